#pragma once

#include <string>

#include "unpack/PageList.h"

// True when the part of the name after its last "." is "jpg" or "jpeg" in any
// mix of ASCII letter case. A name without "." is not a page.
bool IsPageName(const std::string& name);

// Appends the pages found below `folder` to `pages`, depth first: each
// folder's subfolders (real folders whose name does not start with "."), in
// natural order, before its own page files, also in natural order. Symbolic
// links are neither followed nor taken. An empty folder string, or a folder
// that cannot be read, adds nothing. The list is never cleared here.
void CollectPages(PageList& pages, const std::string& folder);
