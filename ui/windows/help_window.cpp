#include "ui/windows/help_window.h"

#include "app/language.h"
#include "resources/string_ids.h"
#include "ui/controls/accessible_factory.h"
#include "ui/controls/label_buddy.h"
#include "ui/base/screen_fit.h"
#include "ui/base/ui_text.h"

#include <QApplication>
#include <QDir>
#include <QCoreApplication>
#include <QFile>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QSplitter>
#include <QTextBrowser>
#include <QTextDocument>
#include <QVBoxLayout>

namespace {

const char* const HELP_FOLDER = ":/help/";
const char* const CONTENTS_PAGE = "index.html";

// The pages' titles, for the translators' tools: an English page's own <title>
// is looked up in context "HelpPages" when the list is made, so that a page
// shown in English where a translation is missing is listed in the language.
[[maybe_unused]] const char* const PAGE_TITLES[] = {
    QT_TRANSLATE_NOOP("HelpPages", "Vigilon OSS"),
    QT_TRANSLATE_NOOP("HelpPages", "Reading an option board"),
    QT_TRANSLATE_NOOP("HelpPages", "Programming an option board"),
    QT_TRANSLATE_NOOP("HelpPages", "Editing the settings"),
    QT_TRANSLATE_NOOP("HelpPages", "Option board data files"),
    QT_TRANSLATE_NOOP("HelpPages", "Option board information"),
    QT_TRANSLATE_NOOP("HelpPages", "Choosing the serial port"),
    QT_TRANSLATE_NOOP("HelpPages", "Calibration (lab mode)"),
    QT_TRANSLATE_NOOP("HelpPages", "When something goes wrong"),
};

// The folder of the pages in the language the program speaks; English is the
// top folder, a translation is in the folder named by its language code.
QString LanguageFolder()
{
    const QString language = InstalledLanguage();
    return QString::fromLatin1(HELP_FOLDER) + (language == QLatin1String("en") ? QString() : language + QLatin1Char('/'));
}

// The page `file` in `folder`, or the English one when it has no translation.
QString PagePath(const QString& folder, const QString& file)
{
    const QString translated = folder + file;
    return QFile::exists(translated) ? translated : QString::fromLatin1(HELP_FOLDER) + file;
}

// A link to a page that has no translation shows the English page, while the
// address stays in the language's folder, so that its links lead back to
// translated pages.
class HelpBrowser : public QTextBrowser {
public:
    using QTextBrowser::QTextBrowser;
    QVariant loadResource(int type, const QUrl& name) override
    {
        QUrl page = name;
        if (type == QTextDocument::HtmlResource && page.scheme() == QLatin1String("qrc") &&
            !QFile::exists(QLatin1Char(':') + page.path()))
            page.setPath(QString::fromLatin1(HELP_FOLDER).mid(1) + page.fileName()); // "/help/reading.html"
        return QTextBrowser::loadResource(type, page);
    }
};

} // namespace

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window), m_home(parent), m_folder(LanguageFolder())
{
    // A screen reader takes it for a window.
    InstallAccessibleFactory();
    setWindowTitle(UiText(IDS_HELP_CAPTION));
    setWindowIcon(QIcon(QStringLiteral(":/icons/vigilon-oss-48.png")));
    resize(760, 520);
    KeepOnScreen(this);

    // The index page first, then the topics in the order its contents list them.
    QFile index(PagePath(m_folder, QString::fromLatin1(CONTENTS_PAGE)));
    index.open(QIODevice::ReadOnly);
    const QString indexHtml = QString::fromUtf8(index.readAll());
    QStringList files{ QString::fromLatin1(CONTENTS_PAGE) };
    const QRegularExpression link(QStringLiteral("href=\"([^\"]+\\.html)\""));
    for (auto it = link.globalMatch(indexHtml); it.hasNext();)
        files.append(it.next().captured(1));
    for (const QString& file : files) {
        QFile page(PagePath(m_folder, file));
        if (!page.open(QIODevice::ReadOnly))
            continue;
        QTextDocument document;
        document.setHtml(QString::fromUtf8(page.readAll()));
        const QString title = QCoreApplication::translate(
            "HelpPages", document.metaInformation(QTextDocument::DocumentTitle).toUtf8().constData());
        m_all.append({ file, title.isEmpty() ? file : title, document.toPlainText() });
    }

    m_search = new QLineEdit(this);
    m_search->setClearButtonEnabled(true);
    m_topics = new QListWidget(this);
    m_page = new HelpBrowser(this);
    m_page->setSearchPaths({ QString::fromLatin1(HELP_FOLDER) });

    QWidget* side = new QWidget(this);
    QVBoxLayout* sideLayout = new QVBoxLayout(side);
    sideLayout->setContentsMargins(0, 0, 0, 0);
    QLabel* searchLabel = new QLabel(UiText(IDS_HELP_SEARCH), side);
    LabelFor(searchLabel, m_search);
    QLabel* topicsLabel = new QLabel(UiText(IDS_HELP_CONTENTS), side);
    LabelFor(topicsLabel, m_topics);
    sideLayout->addWidget(searchLabel);
    sideLayout->addWidget(m_search);
    sideLayout->addWidget(topicsLabel);
    sideLayout->addWidget(m_topics, 1);

    QSplitter* splitter = new QSplitter(this);
    splitter->addWidget(side);
    splitter->addWidget(m_page);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({ 220, 540 });
    QHBoxLayout* layout = new QHBoxLayout(this);
    layout->addWidget(splitter);

    // The page is named by its title, as a screen reader says it on the way in.
    connect(m_page, &QTextBrowser::sourceChanged, this, [this] { m_page->setAccessibleName(m_page->documentTitle()); });
    connect(m_search, &QLineEdit::textChanged, this, &HelpWindow::Search);
    connect(m_topics, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            ShowTopic(m_topics->item(row)->data(Qt::UserRole).toString());
    });
    Search(QString());
}

void HelpWindow::Search(const QString& text)
{
    const QStringList words = text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    m_topics->clear();
    for (const Topic& topic : m_all) {
        bool all = true;
        for (const QString& word : words)
            all = all && topic.text.contains(word, Qt::CaseInsensitive);
        if (!all)
            continue;
        QListWidgetItem* item = new QListWidgetItem(topic.title, m_topics);
        item->setData(Qt::UserRole, topic.file);
    }
    if (m_topics->count() == 0) {
        QListWidgetItem* none = new QListWidgetItem(UiText(IDS_HELP_NO_MATCH), m_topics);
        none->setFlags(Qt::NoItemFlags);
    }
}

void HelpWindow::ShowTopic(const QString& file)
{
    m_page->setSource(QUrl(QStringLiteral("qrc") + m_folder + file));
}

void HelpWindow::MoveTo(QWidget* owner)
{
    if (parentWidget() == owner)
        return;
    const bool visible = isVisible();
    const QRect place = geometry();
    setParent(owner, Qt::Window);
    setGeometry(place);
    if (visible)
        show();
}

bool HelpWindow::eventFilter(QObject* watched, QEvent* event)
{
    // The dialog that asked for help goes away: the help returns to the main window.
    if (watched == parentWidget() && watched != m_home && event->type() == QEvent::Hide) {
        watched->removeEventFilter(this);
        MoveTo(m_home);
    }
    return QWidget::eventFilter(watched, event);
}

void HelpWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void HelpWindow::ShowContents()
{
    // Asked from a modal dialog, the help belongs to that dialog for a while, so
    // the dialog does not block it.
    if (QWidget* modal = QApplication::activeModalWidget(); modal && modal != this) {
        MoveTo(modal);
        modal->installEventFilter(this);
    }
    m_search->clear();
    ShowTopic(QString::fromLatin1(CONTENTS_PAGE));
    show();
    raise();
    activateWindow();
}
