#pragma once

#include <QString>

#include <memory>

class QSettings;

// The user's options in the per-user settings store: application
// "TessaRonde", group "RCV". Every value is a string.
class AppSettings {
public:
    enum class Key { Area, FiltroCorrente, Numero, Tema, Ordine, IDIniziale, DontMixAnswers, RecordErrors, LowerCase,
                     Revisione };

    AppSettings();
    ~AppSettings();

    static QString Name(Key key);
    static QString Default(Key key);

    // The stored value, or the key's default when there is none.
    QString Get(Key key) const;
    void Set(Key key, const QString& value);
    // Writes pending changes to the store.
    void Sync();

    // Every AppSettings made afterwards uses this INI file instead of the
    // user's store (tests); an empty path returns to the user's store.
    static void UseFile(const QString& iniPath);

private:
    std::unique_ptr<QSettings> m_store;
};
