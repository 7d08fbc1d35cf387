#pragma once

// Makes every ListMenu appear to assistive technology as a pop-up menu whose
// children are its rows: menu items with a Press action (which chooses the
// row), and separators. Item interfaces are made only for the rows asked
// for. Installing more than once does nothing.
void InstallListMenuAccessibility();
