#pragma once

#include <QMainWindow>

struct Platform;

/// The program's one main window.
class MainFormQM : public QMainWindow {
    Q_OBJECT
public:
    explicit MainFormQM(Platform& platform, QWidget* parent = nullptr);

private:
    Platform& m_platform;
};
