#pragma once

#include "bank/Failure.h"
#include "bank/UserMessage.h"

// What the user is told about a test, as the core decides it (UTF-8).
namespace TestMessages {

// "Nessun quesito trovato per i filtri impostati!"
UserMessage NothingFound();

// Told once when a test starts without its statistics file.
UserMessage StatisticsUnavailable();

// A suspended test that did not load ("Carica un test in sospeso").
UserMessage SessionNotLoaded(const Failure& failure);

// The interrupted test that cannot be resumed.
UserMessage InterruptedNotResumed(const Failure& failure);

}  // namespace TestMessages
