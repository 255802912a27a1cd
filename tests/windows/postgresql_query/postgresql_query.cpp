// Connects through Qt's PostgreSQL driver, linked in as the Windows programs link it, runs
// one query and prints its rows, a tab between columns. On failure it says which drivers
// the program has and what the driver reported.
#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 7) {
        std::fprintf(stderr, "usage: postgresql_query HOST PORT USER DATABASE OPTIONS QUERY\n");
        return 2;
    }
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"));
    db.setHostName(args[1]);
    db.setPort(args[2].toInt());
    db.setUserName(args[3]);
    db.setDatabaseName(args[4]);
    db.setConnectOptions(args[5]);   // libpq's keywords, ';' between them
    if (!db.open()) {
        std::fprintf(stderr, "drivers: %s\nnot connected: %s\n",
                     qPrintable(QSqlDatabase::drivers().join(QLatin1Char(' '))),
                     qPrintable(db.lastError().text()));
        return 1;
    }
    QSqlQuery query(db);
    if (!query.exec(args[6])) {
        std::fprintf(stderr, "query failed: %s\n", qPrintable(query.lastError().text()));
        return 1;
    }
    while (query.next()) {
        QStringList row;
        for (int column = 0; column < query.record().count(); ++column)
            row << query.value(column).toString();
        std::printf("%s\n", qPrintable(row.join(QLatin1Char('\t'))));
    }
    return 0;
}
