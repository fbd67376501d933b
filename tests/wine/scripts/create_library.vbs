' Creates IQV_v011.CLibrary by its programmatic identifier and reports whether that
' worked as the first argument ("works" or "fails") expects.
Option Explicit
Dim expected, library, created
expected = WScript.Arguments(0)
On Error Resume Next
Set library = CreateObject("IQV_v011.CLibrary")
created = (Err.Number = 0)
On Error GoTo 0
If created Then
    library.lCia = "registered"
    created = (library.lCia = "registered")
End If
If created <> (expected = "works") Then
    WScript.Echo "FAILED: creation by ProgID, expected it " & expected
    WScript.Echo "script complete"
    WScript.Quit 1
End If
WScript.Echo "creation " & expected
WScript.Echo "script complete"
WScript.Quit 0
