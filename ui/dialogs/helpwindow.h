// The rules: our help file shown in a window of our own, at a topic.
#pragma once

#include <QTextBrowser>

namespace zt {

class HelpWindow : public QTextBrowser {
    Q_OBJECT
public:
    HelpWindow();

    // Shows helpFile and jumps to the anchor topic. A missing or unreadable
    // file is named in the window, in the game's language; the game says
    // nothing else.
    void ShowTopic(const QString& helpFile, const QString& topic);
    QString Topic() const { return topic_; }
    // The rules' anchor in the help file for the game's language.
    static QString RulesTopic();

    // Before a showing: unless it is up already, the window goes over main,
    // centred on it, and is made to fit whole (frame and close box included)
    // into the free area of main's screen, as far as that reaches.
    void StandOver(const QWidget* main);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QString topic_;
    QFont font_;     // at 100 %
    qreal scale_ = 1; // the game's scale it was last laid out at
};

} // namespace zt
