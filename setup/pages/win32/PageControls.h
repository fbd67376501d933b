#pragma once
// Identifiers of the wizard's dialog templates and of their controls, shared by the
// resource script, the page code and the test driver. Each control keeps the name it has
// on its page; a name used on several pages has one identifier.

// Dialog templates.
#define IDD_frmWizard4 101  // terms page
#define IDD_frmWizard1 102  // folder page
#define IDD_frmWizard2 103  // install page
#define IDD_frmEnd 104      // finish window
#define IDD_frmPath 105     // folder chooser
#define IDD_NameFolder 106  // the chooser's name prompt, "New Name Folder"

// Buttons.
#define IDC_Command1 1001
#define IDC_Command2 1002
#define IDC_Command3 1003
#define IDC_Command4 1004

// Pictures and decoration (owner-drawn statics).
#define IDC_Picture1 1011
#define IDC_Picture2 1012
#define IDC_Picture3 1013
#define IDC_Picture4 1014
#define IDC_pLink1 1015
#define IDC_pLink2 1016
#define IDC_pLink3 1017
#define IDC_Image1 1018
#define IDC_Line1 1019

// Frames, labels and text boxes.
#define IDC_Frame1 1020
#define IDC_Label1 1021
#define IDC_Label2 1022
#define IDC_Text1 1023
#define IDC_chkOk 1024
#define IDC_txtPathdefault 1025
#define IDC_lblCopy 1026
#define IDC_lblDelete 1027
#define IDC_lblAdd 1028

// Folder chooser: the drive list is a drop-down list box, the folder list a list box whose
// items are the open folder's chain from the root, then its subfolders; a double click
// (LBN_DBLCLK) opens the selected item.
#define IDC_Drive1 1030
#define IDC_Dir1 1031
#define IDC_lblPath 1032

// Name prompt: its (empty) prompt text and the answer box; the buttons are IDOK and IDCANCEL.
#define IDC_PromptText 1040
#define IDC_AnswerText 1041
