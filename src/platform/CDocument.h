#pragma once

#include <string>

// A document: here only the carrier of the path of what is open.
class CDocument {
  public:
    virtual ~CDocument() = default;

    const std::string& GetPathName() const { return pathName_; }
    // Sets the path; the title becomes its file-name part.
    void SetPathName(const std::string& path);
    // Back to a new, untitled document.
    void SetUntitled();
    const std::string& GetTitle() const { return title_; }

    // Reads or writes the document's data; nothing by default.
    virtual void Serialize(bool storing);
    // Writes the document; false when it was not written.
    virtual bool OnSaveDocument(const std::string& path);

  private:
    std::string pathName_;
    std::string title_ = "Untitled";
};
