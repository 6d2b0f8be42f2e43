#pragma once

#include "setup/BankMemory.h"
#include "setup/TestRequest.h"

#include <cstdint>
#include <memory>

class cDocumento;

// "Da ripassare oggi": how many questions a topic choice holds that the review
// schedule finds due today. The bank and its log are read once; every topic
// choice is then counted from memory.
class DueToday {
public:
    // The bank of the request and its log (a missing log: nothing is due).
    void Load(const TestRequest& request, int32_t today);
    // Among the questions the request's filters select, cancelled ones left out.
    int32_t Count(const TestRequest& request) const;

private:
    std::shared_ptr<cDocumento> m_document;
    BankMemory m_memory;
    int32_t m_today = 0;
};
