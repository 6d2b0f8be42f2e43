#include "ui/AppSettings.h"

#include <QSettings>

#include <array>

namespace {

struct KeyInfo {
    AppSettings::Key key;
    const char* name;
    const char* defaultValue;
};

// Booleans are written "True"/"False" and read back leniently (TextConvert::ToBool).
constexpr std::array<KeyInfo, 10> kKeys = {{
    {AppSettings::Key::Area, "Area", "0"},
    {AppSettings::Key::FiltroCorrente, "FiltroCorrente", "0"},
    {AppSettings::Key::Numero, "Numero", "Tutti"},
    {AppSettings::Key::Tema, "Tema", "default"},
    {AppSettings::Key::Ordine, "Ordine", "0"},
    {AppSettings::Key::IDIniziale, "IDIniziale", "1"},
    {AppSettings::Key::DontMixAnswers, "DontMixAnswers", "False"},
    {AppSettings::Key::RecordErrors, "RecordErrors", "True"},
    {AppSettings::Key::LowerCase, "LowerCase", "False"},
    // The review of every finished test.
    {AppSettings::Key::Revisione, "Revisione", "True"},
}};

const KeyInfo& Info(AppSettings::Key key) { return kKeys[static_cast<size_t>(key)]; }

const char* kOrganization = "Tessarondequiz";
const char* kApplication = "TessaRonde";
const char* kGroup = "RCV";

QString& TestFile()
{
    static QString path;
    return path;
}

QString Path(AppSettings::Key key) { return QStringLiteral("%1/%2").arg(kGroup, AppSettings::Name(key)); }

}  // namespace

AppSettings::AppSettings()
    : m_store(TestFile().isEmpty()
                  ? std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, kOrganization, kApplication)
                  : std::make_unique<QSettings>(TestFile(), QSettings::IniFormat))
{
}

AppSettings::~AppSettings() = default;

QString AppSettings::Name(Key key) { return QString::fromLatin1(Info(key).name); }

QString AppSettings::Default(Key key) { return QString::fromLatin1(Info(key).defaultValue); }

QString AppSettings::Get(Key key) const
{
    const QVariant value = m_store->value(Path(key));
    return value.isValid() ? value.toString() : Default(key);
}

void AppSettings::Set(Key key, const QString& value) { m_store->setValue(Path(key), value); }

void AppSettings::Sync() { m_store->sync(); }

void AppSettings::UseFile(const QString& iniPath) { TestFile() = iniPath; }
