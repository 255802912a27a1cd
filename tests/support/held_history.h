// Tests' stand-in for another program holding the service history locked.
#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>

#include <chrono>
#include <condition_variable>
#include <future>
#include <mutex>
#include <string>
#include <thread>

// Another program's write transaction on the history, on a thread of its own
// (a connection belongs to the thread that made it), from the constructor's
// return until `holdMs` later or the destructor: `exclusive` also keeps readers
// out, as a program in exclusive locking mode does.
class HeldHistory {
public:
    HeldHistory(const std::string& path, bool exclusive, int holdMs = 60000)
    {
        m_thread = std::thread([this, path, exclusive, holdMs] {
            const QString name = QStringLiteral("holder");
            {
                QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
                db.setDatabaseName(QString::fromStdString(path));
                db.open();
                QSqlQuery query(db);
                if (exclusive)
                    query.exec(QStringLiteral("PRAGMA locking_mode=EXCLUSIVE"));
                query.exec(exclusive ? QStringLiteral("BEGIN EXCLUSIVE") : QStringLiteral("BEGIN IMMEDIATE"));
                query.exec(QStringLiteral("DELETE FROM fleet_runs"));
                m_holding.set_value();
                std::unique_lock<std::mutex> lock(m_mutex);
                m_released.wait_for(lock, std::chrono::milliseconds(holdMs), [this] { return m_release; });
                query.exec(QStringLiteral("ROLLBACK"));
                query.finish();
                db.close();
            }
            QSqlDatabase::removeDatabase(name);
        });
        m_holding.get_future().wait();
    }
    ~HeldHistory()
    {
        {
            const std::lock_guard<std::mutex> lock(m_mutex);
            m_release = true;
        }
        m_released.notify_all();
        m_thread.join();
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_released;
    bool m_release = false;
    std::promise<void> m_holding;
    std::thread m_thread;
};

