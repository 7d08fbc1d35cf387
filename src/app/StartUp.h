#pragma once

class SingleInstance;
class frmTitlePage;

// The application-wide set-up before any window: names, style, fonts.
void ConfigureApplication();

// The start procedure: refuses a second instance, moves into the data
// folder and shows the title window, which it returns. Returns null when the
// program has to end at once (the user has been told why).
frmTitlePage *StartProgram(SingleInstance &instance);
