// The hidden link to the maker's web page. A failed jump turns it off for
// the rest of the run: a missing browser is not worth a message.
#pragma once

#include <QLabel>
#include <functional>

namespace zt {

class TCKSimpleLabel : public QLabel {
    Q_OBJECT
public:
    explicit TCKSimpleLabel(QWidget* parent = nullptr);

    QString JumpAddress;

    // Opens an address; the default asks the desktop. True when it worked.
    std::function<bool(const QString&)> opener;

    // As if the label had been clicked.
    void Jump();
};

} // namespace zt
