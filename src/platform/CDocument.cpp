#include "platform/CDocument.h"

#include "platform/FileAccess.h"

void CDocument::SetPathName(const std::string& path) {
    pathName_ = path;
    title_ = FileNamePart(path);
}

void CDocument::SetUntitled() {
    pathName_.clear();
    title_ = "Untitled";
}

void CDocument::Serialize(bool) {}

bool CDocument::OnSaveDocument(const std::string&) {
    return false;
}
