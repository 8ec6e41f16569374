#include "layout.h"

#include <QAbstractButton>
#include <QAction>
#include <QToolButton>
#include <QLabel>
#include <QLayout>

#include "glyphs.h"

namespace zt {

namespace {

qreal windowScale = 1;

} // namespace

qreal WindowScale() { return windowScale; }

void SetWindowScale(qreal scale) { windowScale = scale; }

QFont ScaledFont(QFont font, qreal scale) {
    if (font.pixelSize() > 0) {
        font.setPixelSize(Scaled(font.pixelSize(), scale));
    } else {
        font.setPointSizeF(font.pointSizeF() * scale);
    }
    return font;
}

Layout::Entry& Layout::EntryFor(QWidget* w) {
    const auto found = index_.constFind(w);
    if (found != index_.constEnd()) {
        return entries_[*found];
    }
    index_.insert(w, entries_.size());
    entries_.push_back({});
    entries_.back().widget = w;
    return entries_.back();
}

void Layout::Place(QWidget* w, QRect base, QSize icon) {
    Entry& e = EntryFor(w);
    e.geometry = base;
    e.icon = icon;
    w->setGeometry(base);
    if (auto* button = qobject_cast<QAbstractButton*>(w); button && icon.isValid()) {
        button->setIconSize(icon);
    }
}

void Layout::ShowArt(QWidget* w, Art art) {
    Entry& e = EntryFor(w);
    e.art = std::move(art);
    e.largerArt = false;
}

void Layout::ShowArtAt(qreal scale) {
    for (Entry& e : entries_) {
        auto* button = qobject_cast<QToolButton*>(e.widget.data());
        if (!button || e.art.name.isEmpty()) {
            continue;
        }
        const QIcon icon = GlyphIcon(e.art.name, e.art.images, scale > 1);
        if (QAction* action = button->defaultAction()) {
            action->setIcon(icon);
        } else {
            button->setIcon(icon);
        }
        e.largerArt = scale > 1;
    }
}

void Layout::KeepFont(QWidget* w) {
    Entry& e = EntryFor(w);
    e.ownFont = true;
    e.font = w->font();
}

void Layout::Note(QWidget* window) {
    if (window_) {
        return;
    }
    // Everything at 100 % is noted before anything changes, as a child's
    // font follows its parent's.
    window_ = window;
    windowSize_ = window->size();
    windowFont_ = window->font();
    for (QWidget* w : window->findChildren<QWidget*>()) {
        Entry& e = EntryFor(w);
        e.geometry = w->geometry();
        e.ownFont = w->testAttribute(Qt::WA_SetFont);
        e.font = w->font();
        if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            e.icon = button->iconSize();
        }
        if (auto* label = qobject_cast<QLabel*>(w)) {
            e.picture = label->pixmap();
        }
        e.art = ArtShown(w);
    }
}

void Layout::ApplyArt(Entry& e, qreal scale) {
    auto* button = qobject_cast<QAbstractButton*>(e.widget.data());
    if (button && !e.art.name.isEmpty() && scale > 1 && !e.largerArt && !button->icon().isNull()) {
        // Scaled up, its glyph also with its larger art, once.
        const QIcon icon = GlyphIcon(e.art.name, e.art.images, true);
        auto* tool = qobject_cast<QToolButton*>(button);
        if (QAction* action = tool ? tool->defaultAction() : nullptr) {
            action->setIcon(icon);
        } else {
            button->setIcon(icon);
        }
        e.largerArt = true;
    }
    auto* label = qobject_cast<QLabel*>(e.widget.data());
    if (!label || e.picture.isNull()) {
        return;
    }
    if (scale == 1) {
        label->setPixmap(e.picture);
        return;
    }
    // From its larger art where it has some; smoothed, never pixel-doubled.
    QPixmap source = e.picture;
    if (!e.art.name.isEmpty()) {
        const QPixmap more =
            GlyphImage(WithPixels(e.art.name, ArtTimes(label->devicePixelRatioF() * scale)));
        if (!more.isNull()) {
            source = more;
        }
    }
    QPixmap scaled = source.scaled(e.picture.size() * scale, Qt::KeepAspectRatio,
                                   Qt::SmoothTransformation);
    scaled.setDevicePixelRatio(e.picture.devicePixelRatio());
    label->setPixmap(scaled);
}

void Layout::Apply(qreal scale) {
    if (window_) {
        window_->setFixedSize(Scaled(windowSize_.width(), scale),
                              Scaled(windowSize_.height(), scale));
        window_->setFont(ScaledFont(windowFont_, scale));
    }
    for (Entry& e : entries_) {
        QWidget* w = e.widget.data();
        if (!w) {
            continue;
        }
        // A layout places its own widgets.
        if (e.geometry.isValid() && (!w->parentWidget() || !w->parentWidget()->layout())) {
            w->setGeometry(Scaled(e.geometry, scale));
        }
        if (e.ownFont) {
            w->setFont(ScaledFont(e.font, scale));
        }
        if (auto* button = qobject_cast<QAbstractButton*>(w); button && e.icon.isValid()) {
            button->setIconSize(e.icon * scale);
        }
        ApplyArt(e, scale);
    }
}

void ScaleDialog(QWidget* dialog, Layout& layout, qreal scale) {
    layout.Note(dialog);
    layout.Apply(scale);
}

} // namespace zt
