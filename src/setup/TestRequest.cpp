#include "setup/TestRequest.h"


void TestRequest::ApplyTopicFilter(const cFiltroMain& f)
{
    if (f.UltimoArg < 1 && f.PrimoArg > 0) {
        TopicFilter = f.PrimoArg;
        TopicRangeFirst = TopicRangeLast = TopicRangeExtra = 0;
    } else {
        TopicFilter = 0;
        TopicRangeFirst = f.PrimoArg;
        TopicRangeLast = f.UltimoArg;
        TopicRangeExtra = f.ExtraArg;
    }
    GazetteRangeFirst = f.PrimoIDGazzetta;
    GazetteRangeLast = f.UltimoIDGazzetta;
}
