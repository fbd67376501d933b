' The toolbar settings store through VBScript: the tree built with the check methods,
' written through the writers, read back through the readers, reset and wiped, with the
' registry itself inspected through WScript.Shell. Group numbers and texts are passed in
' script variables, by reference, as the add-in workbook passes them.
Option Explicit

Const HKCU = &H80000001
Const Settings = "Software\Quorvane11\Groupdate"
Dim failures, shell, library, group, text, slot, name
failures = 0
Set shell = CreateObject("WScript.Shell")

Sub Expect(condition, label)
    If condition Then
        WScript.Echo "ok: " & label
    Else
        failures = failures + 1
        WScript.Echo "FAILED: " & label
    End If
End Sub

Function Stored(path)
    Stored = shell.RegRead("HKCU\" & Settings & "\" & path)
End Function

Function BytesText(bytes)
    Dim i, result
    For i = 0 To UBound(bytes)
        result = result & bytes(i) & " "
    Next
    BytesText = Trim(result)
End Function

' The UTF-16LE bytes of a text of ASCII characters, as BytesText shows them.
Function Utf16Bytes(text)
    Dim i, result
    For i = 1 To Len(text)
        result = result & Asc(Mid(text, i, 1)) & " 0 "
    Next
    Utf16Bytes = Trim(result)
End Function

Set library = CreateObject("IQV_v011.CLibrary")

' Reads before anything exists give the defaults.
slot = "S" : name = "Tl"
Expect library.lpValue_button_opt(slot, name) = 1, "no chosen option reads as 1"
slot = "3"
Expect library.lpValue_button(slot, name) = 0, "no flag reads as 0"
Expect library.Asigna_key = "P", "the key letter defaults to P"
Expect library.IsAddin_Installed = False, "no status: not installed"

' A write before the keys exist is lost silently.
group = 1 : slot = 4
library.Set_change_values_buttons group, slot
Expect library.CheckRegistryKey(HKCU, Settings & "\Tl\S") = False, "writers create no keys"

' The tree, group by group.
library.prcChecked_Key_RG
For group = 1 To 16
    library.prcChecked_Key_RG_subkeys group
Next
Expect library.CheckRegistryKey(HKCU, Settings & "\Zoom\G"), "the zoom level key"
Expect library.CheckRegistryKey(HKCU, Settings & "\Tl\5"), "the slot keys"
Expect Not library.CheckRegistryKey(HKCU, Settings & "\Ccase\1"), "selection-only groups"

' Writers and readers.
library.Set_button_Tl
Expect Stored("Tl\S\value") = "1", """Tl\S"" value ""value"" holds the text 1"
group = 1 : slot = 4
library.Set_change_values_buttons group, slot
Expect Stored("Tl\S\value") = "4", "the chosen option is stored as text"
slot = "S" : name = "Tl"
Expect library.lpValue_button_opt(slot, name) = 4, "and reads back"
library.SetRegistryValueX Settings & "\Tl\3", "1", 1, " 1 "
slot = "3"
Expect library.lpValue_button(slot, name) = 1, "a flag with blanks around it is on"
library.SetRegistryValueX Settings & "\Stn\2", "5", 1, "1"
slot = "2"
Expect library.lpValue_print(slot) = 1, "the print flag"
library.SetRegistryValueX Settings & "\IO\S", "value", 1, "40000"
slot = "S" : name = "IO"
Expect library.lpValue_button_opt(slot, name) = 0, "an option out of range reads as 0"

' The reset puts every other group back to its first option.
group = 2
library.Reset_options_button_now group
Expect Stored("Tl\S\value") = "1", "the other groups are reset"
Expect Stored("IO\S\value") = "40000", "the chosen group is left alone"

' Installation records.
text = "True"
library.prcSet_status_Addin text
Expect BytesText(Stored("STATUS_APP")) = Utf16Bytes("84114117101"), _
    """STATUS_APP"" holds the UTF-16LE bytes of 84114117101"
Expect library.Get_status_Addin = "84114117101", "the status as stored"
Expect library.IsAddin_Installed, "installed"
text = "  C:\QUORVANE  "
library.prcDir text
Expect library.InstallPath = "C:\QUORVANE", "the install folder without its blanks"
Expect text = "  C:\QUORVANE  ", "the caller's variable is unchanged"
library.prcDesinstalar_Addin
Expect Not library.App_Exist And Not library.IsAddin_Installed, "removed"

' The wipe.
Expect library.Delete_information_All = True, "the wipe reports success"
Expect Not library.CheckRegistryKey(HKCU, "Software\Quorvane11"), "the product key is gone"
Expect library.App_Exist And library.InstallPath = "", "the records are gone with it"
library.Delete_All
Expect Not library.CheckRegistryKey(HKCU, Settings), "Delete_All on an empty tree shows nothing"

' The worksheet name tables, the level in a variable holding an integer.
Dim level, kind
name = "TL" : level = 1 : kind = "B"
Expect library.lpCell_name(name, level, kind) = "Title_copy_c1", "a cell name"
name = "IO" : level = 5 : kind = "D"
Expect library.lpRange_image(name, level, kind) = "Io_d5", "the image name outside its pattern"
name = "BORDER" : level = 2.5 : kind = "C"
Expect library.lpRange_image(name, level, kind) = "", "a level that is not whole"
Expect library.lpCell_name("HGT", 5, "C") = "Height_c5", "literal arguments"

WScript.Echo "script complete"
WScript.Quit failures
