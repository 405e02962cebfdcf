#pragma once

#include <QWidget>

class QLabel;
class QProgressBar;

/// The start-up window (447 × 171, borderless, centred): a text line and a progress bar.
class SplashScreen : public QWidget {
    Q_OBJECT
public:
    explicit SplashScreen(QWidget* parent = nullptr);
    /// Shows a step at once, even before the event loop runs.
    void setProgress(int percent, const QString& text);

private:
    QLabel* m_text = nullptr;
    QProgressBar* m_bar = nullptr;
};
