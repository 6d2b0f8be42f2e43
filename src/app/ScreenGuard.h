#pragma once

// Without a screen the toolkit aborts with its own English message. While
// armed, that failure ends the program instead with "Impossibile aprire lo
// schermo: …" and status CommandLine::NoScreen; the toolkit's warnings about
// it are dropped. Other messages pass as usual.
namespace ScreenGuard {

void Arm();
void Disarm();

}  // namespace ScreenGuard
