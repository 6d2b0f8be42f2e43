#include "bank/ModThemes.h"

#include "bank/BankError.h"

std::shared_ptr<cTema> cTemi::Item(int32_t index) const
{
    if (index < 1 || index > Count()) throw BankError(BankError::Kind::ThemeIndex, std::to_string(index));
    return m_items[static_cast<size_t>(index - 1)];
}

std::shared_ptr<cTema> cTemi::Item(const std::string& chiave) const
{
    for (const auto& t : m_items)
        if (t->Chiave == chiave) return t;
    throw BankError(BankError::Kind::ThemeKey, chiave);
}

std::shared_ptr<cTema> cTemi::NewTheme(const std::string& chiave, const std::string& nome)
{
    for (const auto& t : m_items)
        if (t->Chiave == chiave) throw BankError(BankError::Kind::DuplicateTheme, chiave);
    auto theme = std::make_shared<cTema>();
    theme->Chiave = chiave;
    theme->Nome = nome;
    m_items.push_back(theme);
    return theme;
}

namespace ModThemes {

namespace {

struct Row {
    const char* chiave;
    const char* nome;
    TemaColor colors[20];
    bool darkStats;
};

// Field order of cTema, from Color_Background to Color_S2_AnswerText.
constexpr Row Table[] = {
    {"default", "Aspetto standard",
     {RGB(0, 0, 128), RGB(0, 0, 96), RGB(255, 255, 255), RGB(255, 255, 192), RGB(255, 255, 255),
      RGB(160, 160, 160), RGB(0, 128, 128), RGB(0, 0, 0), RGB(255, 255, 192), RGB(192, 192, 192),
      RGB(255, 224, 192), RGB(0, 0, 128), RGB(0, 255, 0), RGB(255, 255, 255), RGB(160, 255, 160),
      RGB(0, 0, 128), RGB(96, 255, 255), RGB(255, 0, 0), RGB(192, 255, 255), RGB(0, 0, 128)},
     false},
    {"bright", "Colori chiari",
     {RGB(255, 255, 255), RGB(224, 224, 224), RGB(0, 0, 0), RGB(96, 96, 96), RGB(176, 192, 208),
      RGB(255, 255, 224), RGB(0, 0, 96), RGB(0, 0, 0), RGB(255, 255, 192), RGB(192, 192, 192),
      RGB(255, 224, 192), RGB(0, 0, 128), RGB(0, 255, 0), RGB(255, 255, 255), RGB(160, 255, 160),
      RGB(0, 0, 128), RGB(96, 255, 255), RGB(255, 0, 0), RGB(192, 255, 255), RGB(0, 0, 128)},
     true},
    {"dark", "Colori scuri",
     {RGB(0, 0, 0), RGB(0, 0, 64), RGB(224, 224, 224), RGB(255, 255, 192), RGB(64, 64, 96),
      RGB(160, 160, 160), RGB(0, 128, 128), RGB(224, 96, 192), RGB(112, 128, 144), RGB(96, 96, 96),
      RGB(64, 64, 128), RGB(255, 255, 255), RGB(0, 208, 0), RGB(208, 208, 208), RGB(128, 208, 128),
      RGB(0, 0, 128), RGB(96, 255, 255), RGB(255, 0, 0), RGB(192, 255, 255), RGB(0, 0, 128)},
     false},
};

}  // namespace

std::shared_ptr<cTemi> InitThemes()
{
    auto themes = std::make_shared<cTemi>();
    for (const Row& row : Table) {
        auto t = themes->NewTheme(row.chiave, row.nome);
        TemaColor* fields[] = {
            &t->Color_Background,      &t->Color_LeftBand,        &t->Color_QuestionFore,
            &t->Color_Argomento,       &t->Color_TopB_Background, &t->Color_TopB_Logo,
            &t->Color_TopB_Counter,    &t->Color_TopB_NumeroDom,  &t->Color_S0_AnswerSide,
            &t->Color_S0_AnswerLetter, &t->Color_S0_AnswerBox,    &t->Color_S0_AnswerText,
            &t->Color_S1_AnswerSide,   &t->Color_S1_AnswerLetter, &t->Color_S1_AnswerBox,
            &t->Color_S1_AnswerText,   &t->Color_S2_AnswerSide,   &t->Color_S2_AnswerLetter,
            &t->Color_S2_AnswerBox,    &t->Color_S2_AnswerText,
        };
        for (size_t k = 0; k < 20; ++k) *fields[k] = row.colors[k];
        t->Flag_DarkStats = row.darkStats;
    }
    return themes;
}

}  // namespace ModThemes
