#include "print/PageSetup.h"

#include "print/PrintError.h"

#include <utility>

namespace word {

namespace {

constexpr double MaxLength = 1584;  // 22 inches

}  // namespace

void PageSetup::Length(const char* what, double PageSetupData::*member, double points, double low, double high)
{
    m_app->Log([&] { return std::string("PageSetup.") + what + " = " + Num(points); });
    if (!(points >= low && points <= high))
        throw PrintError(PrintError::ValueOutOfRange, std::string("Valore non valido per ") + what + ": " + Num(points) + ".");
    m_page->*member = points;
}

void PageSetup::Choice(const char* what, int32_t PageSetupData::*member, int32_t value, int32_t low, int32_t high)
{
    m_app->Log([&] { return std::string("PageSetup.") + what + " = " + std::to_string(value); });
    if (value < low || value > high)
        throw PrintError(PrintError::ValueOutOfRange,
                         std::string("Valore non valido per ") + what + ": " + std::to_string(value) + ".");
    m_page->*member = value;
}

void PageSetup::Flag(const char* what, bool PageSetupData::*member, bool value)
{
    m_app->Log([&] { return std::string("PageSetup.") + what + " = " + Bool(value); });
    m_page->*member = value;
}

void PageSetup::SetOrientation(int32_t value)
{
    const int32_t before = m_page->orientation;
    Choice("Orientation", &PageSetupData::orientation, value, 0, 1);
    if (value != before) std::swap(m_page->pageWidth, m_page->pageHeight);
}

void PageSetup::SetTopMargin(double p) { Length("TopMargin", &PageSetupData::topMargin, p, -MaxLength, MaxLength); }
void PageSetup::SetBottomMargin(double p) { Length("BottomMargin", &PageSetupData::bottomMargin, p, -MaxLength, MaxLength); }
void PageSetup::SetLeftMargin(double p) { Length("LeftMargin", &PageSetupData::leftMargin, p, 0, MaxLength); }
void PageSetup::SetRightMargin(double p) { Length("RightMargin", &PageSetupData::rightMargin, p, 0, MaxLength); }
void PageSetup::SetGutter(double p) { Length("Gutter", &PageSetupData::gutter, p, 0, MaxLength); }
void PageSetup::SetHeaderDistance(double p) { Length("HeaderDistance", &PageSetupData::headerDistance, p, 0, MaxLength); }
void PageSetup::SetFooterDistance(double p) { Length("FooterDistance", &PageSetupData::footerDistance, p, 0, MaxLength); }
void PageSetup::SetPageWidth(double p) { Length("PageWidth", &PageSetupData::pageWidth, p, 7.2, MaxLength); }
void PageSetup::SetPageHeight(double p) { Length("PageHeight", &PageSetupData::pageHeight, p, 7.2, MaxLength); }
void PageSetup::SetFirstPageTray(int32_t v) { Choice("FirstPageTray", &PageSetupData::firstPageTray, v, 0, 0xFFFF); }
void PageSetup::SetOtherPagesTray(int32_t v) { Choice("OtherPagesTray", &PageSetupData::otherPagesTray, v, 0, 0xFFFF); }
void PageSetup::SetSectionStart(int32_t v) { Choice("SectionStart", &PageSetupData::sectionStart, v, 0, 4); }
void PageSetup::SetOddAndEvenPagesHeaderFooter(bool v)
{
    Flag("OddAndEvenPagesHeaderFooter", &PageSetupData::oddAndEvenPagesHeaderFooter, v);
}
void PageSetup::SetDifferentFirstPageHeaderFooter(bool v)
{
    Flag("DifferentFirstPageHeaderFooter", &PageSetupData::differentFirstPageHeaderFooter, v);
}
void PageSetup::SetVerticalAlignment(int32_t v) { Choice("VerticalAlignment", &PageSetupData::verticalAlignment, v, 0, 3); }
void PageSetup::SetSuppressEndnotes(bool v) { Flag("SuppressEndnotes", &PageSetupData::suppressEndnotes, v); }
void PageSetup::SetMirrorMargins(bool v) { Flag("MirrorMargins", &PageSetupData::mirrorMargins, v); }
void PageSetup::SetTwoPagesOnOne(bool v) { Flag("TwoPagesOnOne", &PageSetupData::twoPagesOnOne, v); }
void PageSetup::SetBookFoldPrinting(bool v) { Flag("BookFoldPrinting", &PageSetupData::bookFoldPrinting, v); }
void PageSetup::SetBookFoldRevPrinting(bool v) { Flag("BookFoldRevPrinting", &PageSetupData::bookFoldRevPrinting, v); }
void PageSetup::SetBookFoldPrintingSheets(int32_t v)
{
    Choice("BookFoldPrintingSheets", &PageSetupData::bookFoldPrintingSheets, v, 1, 1000);
}
void PageSetup::SetGutterPos(int32_t v) { Choice("GutterPos", &PageSetupData::gutterPos, v, 0, 2); }

}  // namespace word
