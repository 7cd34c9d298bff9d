#include "testbench/shell/Language.h"

#include "driver/Helpers.h"

#include <QCoreApplication>
#include <QSettings>
#include <QTranslator>

#include <memory>
#include <optional>

namespace {

std::optional<QString> &CachedLanguage()
{
    static std::optional<QString> code;
    return code;
}

QString LocaleFileName()
{
    return GetUserVeltraPath() + QStringLiteral("/locale.ini");
}

QString NormalizedCode(const QString &code)
{
    return code == QLatin1String("EN") ? QStringLiteral("EN") : QStringLiteral("RU");
}

} // namespace

QString GetLanguage()
{
    auto &cached = CachedLanguage();
    if (!cached) {
        QSettings ini(LocaleFileName(), QSettings::IniFormat);
        cached = NormalizedCode(ini.value(QStringLiteral("Locale/Lang"), QStringLiteral("RU")).toString());
    }
    return *cached;
}

void SetLanguage(const QString &code)
{
    QSettings ini(LocaleFileName(), QSettings::IniFormat);
    ini.setValue(QStringLiteral("Locale/Lang"), NormalizedCode(code));
    ini.sync();
}

void ForgetCachedLanguage()
{
    CachedLanguage().reset();
}

void BindCatalogue()
{
    // Russian is the source language, so only English needs a catalogue.
    static std::unique_ptr<QTranslator> translator;
    const bool english = GetLanguage() == QLatin1String("EN");
    if (english && !translator) {
        auto loaded = std::make_unique<QTranslator>();
        if (loaded->load(QStringLiteral(":/locale/KassioTest_en.qm"))) {
            QCoreApplication::installTranslator(loaded.get());
            translator = std::move(loaded);
        }
    } else if (!english && translator) {
        QCoreApplication::removeTranslator(translator.get());
        translator.reset();
    }
}
