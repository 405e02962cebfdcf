#pragma once

#include "journal/CompteNumero.h"

#include <QDialog>

class QLineEdit;
class CurrentAccount;
struct Platform;

/// The account window TCompteNumero ("Numéros de comptes et de chèques..."): the accounts of
/// the current format, the two entry fields, validate and delete.
class AccountWindow : public QDialog {
    Q_OBJECT
public:
    AccountWindow(Platform& platform, CurrentAccount& current, QWidget* parent = nullptr);

    CompteNumero& model() { return m_model; }
    void done(int result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void refresh();
    bool fieldKey(QLineEdit* edit, NumberEntryField& field, QKeyEvent* key);

    CurrentAccount& m_current;
    CompteNumero m_model;
    QLineEdit* m_account = nullptr;
    QLineEdit* m_cheque = nullptr;
    bool m_closing = false;
};
