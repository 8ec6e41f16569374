#include "texts.h"

#include <QCoreApplication>
#include <QTranslator>
#include <memory>

namespace zt {

namespace {

// The catalogue of a language, read from the program's resources the first
// time it is asked for; null for English, which needs none.
QTranslator* Catalogue(Language language) {
    static std::unique_ptr<QTranslator> german;
    static std::unique_ptr<QTranslator> french;
    std::unique_ptr<QTranslator>* slot = language == Language::German ? &german
                                         : language == Language::French ? &french
                                                                      : nullptr;
    if (!slot) {
        return nullptr;
    }
    if (!*slot) {
        *slot = std::make_unique<QTranslator>();
        const bool ok = (*slot)->load(language == Language::German
                                          ? QStringLiteral(":/i18n/zorbly-tarnel_de.qm")
                                          : QStringLiteral(":/i18n/zorbly-tarnel_fr.qm"));
        Q_ASSERT_X(ok, "Catalogue", "a catalogue is missing from the resources");
    }
    return slot->get();
}

QTranslator* spoken = nullptr;

} // namespace

void SpeakLanguage(Language language) {
    QTranslator* wanted = Catalogue(language);
    if (wanted == spoken) {
        return;
    }
    if (spoken) {
        QCoreApplication::removeTranslator(spoken);
    }
    spoken = wanted;
    if (spoken) {
        QCoreApplication::installTranslator(spoken);
    }
}

QString TextIn(Language language, const char* context, const char* source) {
    if (QTranslator* catalogue = Catalogue(language)) {
        const QString text = catalogue->translate(context, source);
        if (!text.isEmpty()) {
            return text;
        }
    }
    return QString::fromUtf8(source);
}

} // namespace zt
