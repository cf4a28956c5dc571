#pragma once
// The Windows API, for the files that speak to it: <windows.h> with the headers of the
// common controls, the common dialogs and the shell. The macros whose names the program's
// own classes use (TApplication::MessageBox, TCanvas::TextOut) are undone here, so that a
// class reads the same in every file, whether or not that file sees Windows; call the W
// functions by their full names instead.
#include <windows.h>

#include <commctrl.h>
#include <commdlg.h>
#include <shellapi.h>
#include <shlobj.h>
#include <uxtheme.h>

#undef MessageBox
#undef TextOut
