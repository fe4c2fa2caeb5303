#pragma once

#include <string>

class QWidget;

// Qt's own (non-native) file dialogs, so that they can be driven from tests and
// show the full path of the folder under selection. On when the environment
// has BRELLOW_NON_NATIVE_DIALOGS set or the application has
// Qt::AA_DontUseNativeDialogs.
bool UseNonNativeDialogs();

// One folder browse: a directory-only file dialog over the whole file system.
class CBrowseForFolder {
public:
    virtual ~CBrowseForFolder() = default;

    // Runs the dialog and puts the chosen folder into path, which is emptied
    // first. True exactly when a folder was chosen.
    bool Browse(std::string& path);

    QWidget* m_hwndParent = nullptr;
    std::string m_strInitialFolder; // preselected when the dialog opens
    std::string m_strTitle;
    // Root of the tree; empty for the whole file system, which is all this
    // program asks for, so a non-empty root is not enforced.
    std::string m_strRoot;
};

class CDirDialog : public CBrowseForFolder {
public:
    CDirDialog(std::string title, const std::string& initialFolder, QWidget* parent,
               std::string root);
    ~CDirDialog() override = default;

    std::string m_strPath; // the folder chosen by the last Browse
};
