// Which files the search selects, and the dialog that searches for them.
#pragma once
#include "search/search_dialog.h"

#include <string>

// True when the bare file name's extension matches the main window's pattern list,
// read afresh at every call.
bool MatchesExtension(const std::string& name);
