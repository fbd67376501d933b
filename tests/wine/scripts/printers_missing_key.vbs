' Get_Printers_local when the printer key is missing: the library shows its message (the
' test's answerer reads and answers it) and hands the script a text array that holds no
' array, which the script can keep and test without failing.
Option Explicit
Dim shell, library, printers, failures
failures = 0
Set shell = CreateObject("WScript.Shell")
shell.Run "reg delete ""HKLM\SYSTEM\CurrentControlSet\Control\Print\Printers"" /f", 0, True
Set library = CreateObject("IQV_v011.CLibrary")
printers = library.Get_Printers_local
If Not IsArray(printers) Then
    failures = failures + 1
    WScript.Echo "FAILED: the result is a text array variant"
End If
WScript.Echo "ok: Get_Printers_local returned on a missing key"
WScript.Echo "script complete"
WScript.Quit failures
