#pragma once

#include "print/Borders.h"
#include "print/Columns.h"
#include "print/Rows.h"

namespace word {

// A table of a document (or an empty one, when a conversion found no paragraph).
class Table {
public:
    void SetTopPadding(double points);
    void SetBottomPadding(double points);
    void SetLeftPadding(double points);
    void SetRightPadding(double points);
    void SetSpacing(double points);
    // False: the column widths stay as set (a fixed layout).
    void SetAllowAutoFit(bool value);
    // 0 fixed widths, 1 fit to the contents, 2 fit to the page width.
    void AutoFitBehavior(int32_t behavior);

    word::Rows Rows() { return {m_app, m_table}; }
    word::Columns Columns() { return {m_app, m_table}; }
    word::Borders Borders() { return {m_app, m_table}; }

    const TableData& Data() const { return *m_table; }

private:
    friend class Range;
    Table(ApplicationState* app, const DocumentData* document, std::shared_ptr<TableData> table)
        : m_app(app), m_document(document), m_table(std::move(table))
    {
    }
    void SetPadding(const char* what, double TableData::*member, double points);

    ApplicationState* m_app;
    const DocumentData* m_document;
    std::shared_ptr<TableData> m_table;
};

}  // namespace word
