#pragma once

// The program's first steps: themes, title and data file name, then the start
// window through ModWindows::ShowStartScreen. False when the data file is
// missing or another program runs on it: the user has been told and no
// window was opened.
bool SubMain();
