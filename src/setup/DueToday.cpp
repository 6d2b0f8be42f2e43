#include "setup/DueToday.h"

#include "bank/BankFiles.h"
#include "bank/cDocumento.h"

#include "setup/cRipassoSorter.h"
#include "setup/ModFunzioni.h"

void DueToday::Load(const TestRequest& request, int32_t today)
{
    const BankFiles files = BankFiles::For(request.CurrentDataFile);
    m_document = std::make_shared<cDocumento>();
    m_document->LoadFromText(files.data);
    m_memory.Load(files.log, *m_document->Quesiti());
    m_today = today;
}

int32_t DueToday::Count(const TestRequest& request) const
{
    if (!m_document) return 0;
    TestRequest review = request;
    review.OrderMode = OrderRipasso;
    return cRipassoSorter::DueCount(*ModFunzioni::Filter(*m_document, review, m_document->Quesiti()), m_memory, m_today);
}
