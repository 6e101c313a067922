#include "app/CPanelvueDoc.h"

void CPanelvueDoc::Serialize(bool) {}

// The reader never writes a comic.
bool CPanelvueDoc::OnSaveDocument(const std::string&) {
    return false;
}
