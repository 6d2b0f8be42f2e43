#include "setup/TestRecord.h"

#include "bank/cQuesiti.h"

#include "setup/Clock.h"

TestRecord TestRecord::Of(const TestRequest& request, const cQuesiti& test, int32_t position)
{
    TestRecord record;
    record.Request = request;
    record.Written = Clock::NowText();
    record.Position = position;
    record.HasOrdine = true;
    record.Items.reserve(static_cast<size_t>(test.Count()));
    for (const auto& q : test)
        record.Items.push_back({q->Codice, q->OrdineRisposte(), q->RispostaData, q->RispostaCorretta, false});
    return record;
}

int32_t TestRecord::Answered() const
{
    int32_t n = 0;
    for (const auto& item : Items) n += item.Given > 0;
    return n;
}
