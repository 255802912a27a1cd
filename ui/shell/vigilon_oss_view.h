// The main window's client area: the settings summary, or blank when the user
// switched the summary off. A double click, or Enter, asks for the edit dialog.
#pragma once

#include <QWidget>

#include <functional>

class QScrollArea;
class SettingsSummary;

class CVigilonOssView : public QWidget {
public:
    explicit CVigilonOssView(QWidget* parent = nullptr);

    SettingsSummary* Summary() const { return m_summary; }
    void ShowSummary(bool show);
    // What a screen reader calls the summary, which holds the focus.
    void NameSummary(const QString& name);
    bool SummaryShown() const;
    // Called on a double click or Enter while the summary shows.
    std::function<void()> onEditRequest;

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QScrollArea* m_scroll = nullptr;
    SettingsSummary* m_summary = nullptr;
};
