#pragma once

#include <QWidget>

class AmountWording;

/// The tab "Préférences": the unit words, the preposition, the caption of "Valider",
/// Spécificités, Majuscules and the buttons restoring the default words.
class PreferencesTab : public QWidget {
    Q_OBJECT
public:
    explicit PreferencesTab(AmountWording& wording, QWidget* parent = nullptr);

private:
    void refresh();

    AmountWording& m_wording;
};
