#pragma once

#include "print/LineNumbering.h"

namespace word {

// The page of a document's only section. Lengths in points.
class PageSetup {
public:
    word::LineNumbering LineNumbering() { return {m_app, m_page}; }
    // 0 portrait, 1 landscape; a change swaps the page's width and height.
    void SetOrientation(int32_t value);
    void SetTopMargin(double points);
    void SetBottomMargin(double points);
    void SetLeftMargin(double points);
    void SetRightMargin(double points);
    void SetGutter(double points);
    void SetHeaderDistance(double points);
    void SetFooterDistance(double points);
    void SetPageWidth(double points);
    void SetPageHeight(double points);
    // 0: the printer's default tray.
    void SetFirstPageTray(int32_t value);
    void SetOtherPagesTray(int32_t value);
    // 0 continuous, 1 new column, 2 new page, 3 even page, 4 odd page.
    void SetSectionStart(int32_t value);
    void SetOddAndEvenPagesHeaderFooter(bool value);
    void SetDifferentFirstPageHeaderFooter(bool value);
    // 0 top, 1 centre, 2 justified, 3 bottom.
    void SetVerticalAlignment(int32_t value);
    void SetSuppressEndnotes(bool value);
    void SetMirrorMargins(bool value);
    void SetTwoPagesOnOne(bool value);
    void SetBookFoldPrinting(bool value);
    void SetBookFoldRevPrinting(bool value);
    void SetBookFoldPrintingSheets(int32_t value);
    // 0 left, 1 top, 2 right.
    void SetGutterPos(int32_t value);

    const PageSetupData& Data() const { return *m_page; }

private:
    friend class Document;
    PageSetup(ApplicationState* app, PageSetupData* page) : m_app(app), m_page(page) {}
    void Length(const char* what, double PageSetupData::*member, double points, double low, double high);
    void Choice(const char* what, int32_t PageSetupData::*member, int32_t value, int32_t low, int32_t high);
    void Flag(const char* what, bool PageSetupData::*member, bool value);

    ApplicationState* m_app;
    PageSetupData* m_page;
};

}  // namespace word
