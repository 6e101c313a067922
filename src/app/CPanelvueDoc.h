#pragma once

#include "platform/CDocument.h"

// The document only carries the path of the open comic; the comic itself
// lives in the view. Nothing is ever saved.
class CPanelvueDoc : public CDocument {
  public:
    void Serialize(bool storing) override;
    bool OnSaveDocument(const std::string& path) override;
};
