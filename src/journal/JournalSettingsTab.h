#pragma once

#include <QWidget>

class Journal;

/// The journal options of the tab "Journal des écritures": the lamp with its text, the
/// single journal and the inverted entries.
class JournalSettingsTab : public QWidget {
    Q_OBJECT
public:
    explicit JournalSettingsTab(Journal& journal, QWidget* parent = nullptr);

private:
    void refresh();

    Journal& m_journal;
};
