# Builds Corvane.dot, the Word template the add-in ships for Word as the e-mail editor of
# Outlook 2000 to 2003, from CorvaneMacros.bas, through Word's automation.
#
# Needs Windows with Word, and Word's "Trust access to the VBA project object model"
# switched on (Trust Center > Macro Settings; in Word 2003: Tools > Macro > Security >
# Trusted Publishers). Run from any folder:
#
#     powershell -ExecutionPolicy Bypass -File src\wordmail\template\build-template.ps1 [-Output <path>]
#
# The template is written in the Word 97-2003 format (wdFormatTemplate), next to this
# script unless -Output names another path. Ship it in the add-in's folder beside the DLL.
param(
    [string]$Output = (Join-Path $PSScriptRoot "Corvane.dot")
)
$ErrorActionPreference = "Stop"

$source = Join-Path $PSScriptRoot "CorvaneMacros.bas"
$target = [System.IO.Path]::GetFullPath($Output)
$wdFormatTemplate = 1

$word = New-Object -ComObject Word.Application
try {
    $word.Visible = $false
    $word.DisplayAlerts = 0
    $document = $word.Documents.Add()
    try {
        $project = $document.VBProject
        if ($null -eq $project) {
            throw "Word refuses access to the VBA project: switch on 'Trust access to the VBA project object model'."
        }
        [void]$project.VBComponents.Import($source)
        if (Test-Path $target) { Remove-Item $target }
        $document.SaveAs([ref]$target, [ref]$wdFormatTemplate)
    }
    finally {
        $document.Close([ref]0)
    }
}
finally {
    $word.Quit()
    [void][System.Runtime.InteropServices.Marshal]::ReleaseComObject($word)
}
Write-Output "Built $target"
