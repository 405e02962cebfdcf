#pragma once

#include "platform/Dialogs.h"

#include <QPointer>
#include <QWidget>

/// The dialogs shown to the user, as Qt message boxes and choosers.
class WidgetDialogs : public Dialogs {
public:
    /// Dialogs are centred on `parent` (the main window once it exists).
    void setParentWidget(QWidget* parent) { m_parent = parent; }

    DialogButton message(const MessageRequest& request) override;
    void passingBox(const PassingBoxRequest& request) override;
    std::optional<QString> inputBox(const QString& title, const QString& prompt,
                                    const QString& initial) override;
    std::optional<QString> chooseFileToOpen(const QString& title, const QString& folder,
                                            const QString& filter) override;
    std::optional<QString> chooseFileToSave(const QString& title, const QString& path,
                                            const QString& filter) override;
    std::optional<QColor> chooseColour(const QString& title, const QColor& initial) override;
    std::optional<QFont> chooseFont(const QString& title, const QFont& initial) override;

private:
    QPointer<QWidget> m_parent;
};
