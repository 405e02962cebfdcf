#pragma once

#include <QObject>
#include <QString>
#include <array>

/// The three lines of the amount in words on the cheque (`Label8`, `Label9`, `Label10`),
/// numbered 1 to 3, with their visibility.
class WordLines : public QObject {
    Q_OBJECT
public:
    static constexpr int kCount = 3;

    explicit WordLines(QObject* parent = nullptr);

    QString text(int line) const;
    bool isVisible(int line) const;
    void setText(int line, const QString& text);
    void setVisible(int line, bool visible);
    void clearTexts();

signals:
    void lineChanged(int line);

private:
    struct Line {
        QString text;
        bool visible = false;
    };
    Line* at(int line);

    std::array<Line, kCount> m_lines;
};
