' A client of the settings library as the add-in workbook is one: it creates the class by
' its programmatic identifier, stores which option of the button group Tl is chosen and
' reads it back, all below HKEY_CURRENT_USER\Software\Quorvane11\Groupdate.
' Wine's cscript exits 0 even after an uncaught error, so the client checks each step
' itself, says what it found, and prints its closing line only when every step succeeded:
' tools/demo.sh looks for that line.
Option Explicit
On Error Resume Next
Const HKCU = &H80000001
Dim library, settings, existed, stored, fallback

' Ends the client if the step just done raised an error.
Sub Check(stepName)
    If Err.Number <> 0 Then
        WScript.Echo "FAILED: " & stepName & ": error " & Err.Number & " (&H" & Hex(Err.Number) & _
            ") " & Err.Description
        WScript.Quit 1
    End If
End Sub

' Ends the client if a value read is not the one expected.
Sub Expect(what, found, wanted)
    If IsNull(found) Or found <> wanted Then
        WScript.Echo "FAILED: " & what & " is """ & found & """, expected """ & wanted & """"
        WScript.Quit 1
    End If
End Sub

Set library = CreateObject("IQV_v011.CLibrary")
Check "creating IQV_v011.CLibrary"
WScript.Echo "Created IQV_v011.CLibrary."

settings = library.lpHkey_app & "Tl\S"
Check "reading lpHkey_app"
existed = library.CreateRegistryKey(HKCU, settings)
Check "creating the key HKCU\" & settings
If existed Then
    WScript.Echo "The key HKCU\" & settings & " already existed."
Else
    WScript.Echo "Created the key HKCU\" & settings & "."
End If

library.SetRegistryValue HKCU, settings, "value", 1, "3"
Check "storing the text value ""value"""
WScript.Echo "Stored option 3 as the text value ""value""."

stored = library.GetRegistryValue(HKCU, settings, "value", 1)
Check "reading back ""value"""
WScript.Echo "Read back: """ & stored & """"
Expect "the value read back", stored, "3"

fallback = library.GetRegistryValue(HKCU, settings, "missing", 1, "1")
Check "reading the value ""missing"" never stored"
WScript.Echo "A value never stored reads as its default: """ & fallback & """"
Expect "the value never stored", fallback, "1"

WScript.Echo "The script client's steps all succeeded."
