' A client of the settings library as the add-in workbook is one: it creates the class by
' its programmatic identifier, stores which option of the button group Tl is chosen and
' reads it back, all below HKEY_CURRENT_USER\Software\Quorvane11\Groupdate.
Option Explicit
Const HKCU = &H80000001
Dim library, settings, stored
Set library = CreateObject("IQV_v011.CLibrary")
WScript.Echo "Created IQV_v011.CLibrary."
settings = library.lpHkey_app & "Tl\S"
If library.CreateRegistryKey(HKCU, settings) Then
    WScript.Echo "The key HKCU\" & settings & " already existed."
Else
    WScript.Echo "Created the key HKCU\" & settings & "."
End If
library.SetRegistryValue HKCU, settings, "value", 1, "3"
WScript.Echo "Stored option 3 as the text value ""value""."
stored = library.GetRegistryValue(HKCU, settings, "value", 1)
WScript.Echo "Read back: """ & stored & """"
WScript.Echo "A value never stored reads as its default: """ & _
    library.GetRegistryValue(HKCU, settings, "missing", 1, "1") & """"
