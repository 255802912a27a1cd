// The board at a glance: the document's settings, read-only, grouped as the edit
// dialog groups them (a setting greyed while its switch is off), with the
// codeplug version, where the settings came from and whether they were changed.
// The service history shows the settings of its entries the same way.
#pragma once

#include <QString>
#include <QWidget>

#include <vector>

class QLabel;
struct SettingRow;
struct SettingsSnapshot;

struct SummaryFacts {
    bool loaded = false;  // the document holds settings
    QString source;       // where they came from, in words
    bool changed = false; // changed since they came
    bool modified = false; // not saved since the last change
    QString savedAs;       // the file they were last saved to, when that is not where they came from
};

class SettingsSummary : public QWidget {
public:
    explicit SettingsSummary(QWidget* parent = nullptr);
    // Shows the record's values as they are now.
    void Refresh(const SummaryFacts& facts);
    // Shows other settings than the document's under `title`, without a state line.
    void ShowSettings(const QString& title, const SettingsSnapshot& settings);

    // For tests: the value text and whether it is greyed, by setting key.
    QString ValueText(const char* key) const;
    bool IsGreyed(const char* key) const;
    QString HeaderText() const;

private:
    struct Line {
        const SettingRow* row;
        QLabel* label;
        QLabel* value;
    };
    const Line* Find(const char* key) const;
    void Fill(const SettingsSnapshot& settings);

    std::vector<Line> m_lines;
    QWidget* m_body = nullptr;
    QLabel* m_empty = nullptr;
    QLabel* m_source = nullptr;
    QLabel* m_version = nullptr;
    QLabel* m_state = nullptr;
};
