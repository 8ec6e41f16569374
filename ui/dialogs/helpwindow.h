// The rules: our help file shown in a window of our own, at a topic.
#pragma once

#include <QTextBrowser>

namespace zt {

class HelpWindow : public QTextBrowser {
    Q_OBJECT
public:
    HelpWindow();

    // Shows helpFile and jumps to the anchor topic. A missing or unreadable
    // file is named in the window, in German or English; the game says
    // nothing else.
    void ShowTopic(const QString& helpFile, const QString& topic, bool german);
    QString Topic() const { return topic_; }

private:
    QString topic_;
};

// "Das_Spiel" when language is 1, else "The_game".
QString RulesTopic(int language);

} // namespace zt
