#include "ui/dialogs/history_options_dialog.h"

#include "ui/base/program_objects.h"

#include "app/depot_address.h"
#include "app/history_text.h"
#include "app/settings.h"
#include "app/service_history.h"
#include "resources/string_ids.h"
#include "seams/status_message.h"
#include "ui/controls/label_buddy.h"
#include "ui/base/screen_fit.h"
#include "ui/base/ui_text.h"
#include "ui/windows/history_export.h"

#include <QDateEdit>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QGridLayout>
#include <QLineEdit>
#include <QSysInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

HistoryOptionsDialog::HistoryOptionsDialog(QWidget* parent, std::function<void()> sendNow)
    : QDialog(parent), m_sendNow(std::move(sendNow)), m_store(std::make_unique<HistoryStore>(ServiceHistoryPath()))
{
    setWindowTitle(UiText(IDS_HISTORY_OPTIONS_TITLE));
    QVBoxLayout* layout = new QVBoxLayout(this);
    QLabel* where = new QLabel(FormatUiText(IDS_HISTORY_OPTIONS_FILE,
                                            QDir::toNativeSeparators(QFile::decodeName(m_store->Path().c_str()))));
    where->setTextFormat(Qt::PlainText);
    where->setTextInteractionFlags(Qt::TextSelectableByMouse);
    where->setWordWrap(true);
    layout->addWidget(where);
    m_count = new QLabel;
    m_count->setTextFormat(Qt::PlainText);
    m_count->setWordWrap(true);
    layout->addWidget(m_count);

    m_export = new QPushButton(UiText(IDS_HISTORY_OPTIONS_EXPORT));
    QHBoxLayout* exportRow = new QHBoxLayout;
    exportRow->addWidget(m_export);
    exportRow->addStretch(1);
    layout->addLayout(exportRow);

    QLabel* older = new QLabel(UiText(IDS_HISTORY_OPTIONS_OLDER));
    m_olderThan = new QDateEdit(QDate::currentDate().addYears(-1));
    m_olderThan->setCalendarPopup(true);
    LabelFor(older, m_olderThan);
    m_remove = new QPushButton(UiText(IDS_HISTORY_OPTIONS_REMOVE));
    QHBoxLayout* removeRow = new QHBoxLayout;
    removeRow->addWidget(older);
    removeRow->addWidget(m_olderThan);
    removeRow->addWidget(m_remove);
    removeRow->addStretch(1);
    layout->addLayout(removeRow);

    // The depot's record: its address (a password stays in the client's own
    // password file) and the name this computer's entries carry there.
    QGridLayout* depot = new QGridLayout;
    QLabel* serverLabel = new QLabel(UiText(IDS_HISTORY_OPTIONS_SERVER));
    m_server = new QLineEdit(QString::fromStdString(StoredHistoryServer()));
    m_server->setPlaceholderText(QStringLiteral("postgresql://vigilon@depot-server/vigilon"));
    // Room for a whole address with its options.
    m_server->setMinimumWidth(m_server->fontMetrics().averageCharWidth() * 48);
    LabelFor(serverLabel, m_server);
    m_send = new QPushButton(UiText(IDS_HISTORY_OPTIONS_SEND));
    QLabel* benchLabel = new QLabel(UiText(IDS_HISTORY_OPTIONS_BENCH));
    m_bench = new QLineEdit(QString::fromStdString(StoredBenchName()));
    m_bench->setPlaceholderText(QSysInfo::machineHostName());
    LabelFor(benchLabel, m_bench);
    depot->addWidget(serverLabel, 0, 0);
    depot->addWidget(m_server, 0, 1);
    depot->addWidget(m_send, 0, 2);
    depot->addWidget(benchLabel, 1, 0);
    depot->addWidget(m_bench, 1, 1);
    depot->setColumnStretch(1, 1);
    layout->addLayout(depot);
    connect(m_server, &QLineEdit::editingFinished, this, &HistoryOptionsDialog::KeepServer);
    connect(m_bench, &QLineEdit::editingFinished, this,
            [this] { StoreBenchName(m_bench->text().trimmed().toStdString()); });
    connect(m_send, &QPushButton::clicked, this, [this] {
        KeepServer();
        if (m_sendNow)
            m_sendNow();
    });

    QDialogButtonBox* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    // The platform's text of this button may have no mnemonic.
    buttons->button(QDialogButtonBox::Close)->setText(UiText(IDS_KEYED_CLOSE));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    connect(m_export, &QPushButton::clicked, this, [this] { ExportHistoryCsv(this, *m_store, HistoryFilter()); });
    connect(m_remove, &QPushButton::clicked, this, &HistoryOptionsDialog::RemoveOld);
    ShowCount();
    // Room for the file's path on a line or two.
    const int width = std::max(sizeHint().width(), fontMetrics().averageCharWidth() * 64);
    resize(width, layout->hasHeightForWidth() ? layout->totalHeightForWidth(width) : sizeHint().height());
    WarnMovedAside(GuiContext(), *m_store);
    KeepOnScreen(this);
}

HistoryOptionsDialog::~HistoryOptionsDialog() = default;

void HistoryOptionsDialog::KeepServer()
{
    const std::string address = m_server->text().trimmed().toStdString();
    if (address == StoredHistoryServer())
        return;
    const DepotAddress parsed = ParseDepotAddress(address);
    if (!address.empty() && (!parsed.error.empty() || parsed.HoldsPassword())) {
        if (parsed.error.empty())
            ShowStatusText(GuiContext(), MSG_ERROR, IDS_DEPOT_PASSWORD_IN_ADDRESS, LoadString(IDS_DEPOT_PASSWORD_IN_ADDRESS));
        else
            ShowStatusText(GuiContext(), MSG_ERROR, IDS_DEPOT_ADDRESS_UNREADABLE, parsed.error);
        m_server->setText(QString::fromStdString(StoredHistoryServer()));
        return;
    }
    StoreHistoryServer(address);
    if (m_sendNow)
        m_sendNow();
    ShowCount();
}

void HistoryOptionsDialog::ShowCount()
{
    const int count = m_store->Count(HistoryFilter());
    const bool readable = m_store->Error().empty();
    QString text = readable ? FormatUiText(IDS_HISTORY_OPTIONS_COUNT, QLocale().toString(count))
                            : QString::fromStdString(FormatString(IDS_HISTORY_UNREADABLE, m_store->Path().c_str(),
                                                                  m_store->Error().c_str()));
    const int waiting = readable && !StoredHistoryServer().empty() ? m_store->WaitingCount() : 0;
    if (waiting > 0)
        text += QLatin1Char('\n') + FormatUiText(IDS_HISTORY_OPTIONS_WAITING, QLocale().toString(waiting));
    m_count->setText(text);
    m_export->setEnabled(readable);
    m_remove->setEnabled(readable);
}

void HistoryOptionsDialog::RemoveOld()
{
    const QDate day = m_olderThan->date();
    const std::string dayShown = QLocale().toString(day, QLocale::ShortFormat).toStdString();
    // Older than the day: up to the last millisecond of the day before, local time.
    std::string start;
    HistoryFilter older;
    if (!HistoryTimeFromText(day.toString(Qt::ISODate).toStdString(), false, start)
        || !HistoryTimeFromText(day.addDays(-1).toString(Qt::ISODate).toStdString(), true, older.until))
        return;
    const int count = m_store->Count(older);
    if (!m_store->Error().empty()) {
        ShowCount();
        return;
    }
    if (count == 0) {
        ShowStatusText(GuiContext(), MSG_INFO, IDS_HISTORY_NONE_OLDER, FormatString(IDS_HISTORY_NONE_OLDER, dayShown.c_str()));
        return;
    }
    MessageBoxRequest question;
    question.caption = LoadString(IDS_APP_TITLE);
    question.icon = MsgIcon::Question;
    question.buttons = MsgButtons::YesNo;
    question.defaultButton = MsgAnswer::No;
    question.messageId = IDS_HISTORY_CONFIRM_REMOVE;
    question.text = FormatString(IDS_HISTORY_CONFIRM_REMOVE, dayShown.c_str(), QLocale().toString(count).toStdString().c_str());
    if (GuiContext().Present(question) != MsgAnswer::Yes)
        return;
    // Entries not yet in the depot's record stay until they are.
    const int removed = m_store->RemoveOlderThan(start, !StoredHistoryServer().empty());
    if (removed < 0) {
        ShowStatusText(GuiContext(), MSG_ERROR, IDS_HISTORY_REMOVE_FAILED,
                       FormatString(IDS_HISTORY_REMOVE_FAILED, m_store->Path().c_str(), m_store->Error().c_str()));
    } else {
        ShowStatusText(GuiContext(), MSG_INFO, IDS_HISTORY_REMOVED,
                       FormatString(IDS_HISTORY_REMOVED, QLocale().toString(removed).toStdString().c_str()));
    }
    ShowCount();
}
