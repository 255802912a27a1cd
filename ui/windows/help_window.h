// Help Topics: the help pages shipped with the program, in the language it
// speaks (English for a page with no translation), with their contents and a
// search over their text.
#pragma once

#include <QWidget>

class QLineEdit;
class QListWidget;
class QTextBrowser;

class HelpWindow : public QWidget {
public:
    explicit HelpWindow(QWidget* parent = nullptr);
    // Shows the contents page and brings the window forward.
    void ShowContents();
    // Lists the pages containing every word of the text (all pages when empty).
    void Search(const QString& text);
    QListWidget* Topics() const { return m_topics; }
    QTextBrowser* Page() const { return m_page; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Esc closes the window.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void MoveTo(QWidget* owner);
    QWidget* m_home; // the main window the help belongs to between dialogs
    QString m_folder; // the pages in the program's language: ":/help/" or ":/help/de/"
    struct Topic {
        QString file;
        QString title;
        QString text; // plain text, for searching
    };
    void ShowTopic(const QString& file);
    QList<Topic> m_all;
    QLineEdit* m_search;
    QListWidget* m_topics;
    QTextBrowser* m_page;
};
