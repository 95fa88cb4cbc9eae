Attribute VB_Name = "CorvaneMacros"
' The macros Corvane runs inside Word when Word edits Outlook's messages (Outlook 2000
' to 2003). The add-in starts them through Word's Application.Run; each creates the
' add-in's Buttons object in Word's process and passes its arguments through, writing
' back what the operation changed (the arguments are by reference).
Option Explicit

Private Const ButtonsProgId As String = "Corvane.Buttons"

' The empty-subject question of the message window's Send.
Public Sub cvEmptySubjectCheckWord(objItem As Variant, Cancel As Variant)
    Dim objButtons As Object
    Dim blnCancel As Boolean
    blnCancel = Cancel
    Set objButtons = CreateObject(ButtonsProgId)
    objButtons.EmptySubjectCheck objItem, blnCancel
    Set objButtons = Nothing
    Cancel = blnCancel
End Sub

' The delay of a message to a listed address.
Public Sub cvDelayEmailSendingWord(objItem As Variant, Cancel As Variant)
    Dim objButtons As Object
    Dim blnCancel As Boolean
    blnCancel = Cancel
    Set objButtons = CreateObject(ButtonsProgId)
    objButtons.DelayEmailSending objItem, blnCancel
    Set objButtons = Nothing
    Cancel = blnCancel
End Sub

' The offer to add the first recipient to the preferred-account list.
Public Sub cvAddEmail(strToAddress As Variant, strSelectedAcct As Variant)
    Dim objButtons As Object
    Dim strAddress As String, strAccount As String
    strAddress = strToAddress
    strAccount = strSelectedAcct
    Set objButtons = CreateObject(ButtonsProgId)
    objButtons.AddEmailAddressToList strAddress, strAccount
    Set objButtons = Nothing
    strToAddress = strAddress
    strSelectedAcct = strAccount
End Sub

' The question for a preferred account that no longer exists.
Public Sub cvPrefAcctExistsFalse(intMode As Variant, strSelectedAcct As Variant, strSenderEmail As Variant, strMsg As Variant)
    Dim objButtons As Object
    Dim intPrefMode As Integer
    Dim strAccount As String, strAddress As String, strText As String
    intPrefMode = intMode
    strAccount = strSelectedAcct
    strAddress = strSenderEmail
    strText = strMsg
    Set objButtons = CreateObject(ButtonsProgId)
    objButtons.PrefAcctExistsFalse intPrefMode, strAccount, strAddress, strText
    Set objButtons = Nothing
    intMode = intPrefMode
    strSelectedAcct = strAccount
    strSenderEmail = strAddress
    strMsg = strText
End Sub

' The choice of the account to send from; strChange comes back empty, "CANCEL" or the
' account chosen.
Public Sub cvSelQuenlow(strChange As Variant, strDefault As Variant, strPrefAcct As Variant, strEmailAddr As Variant)
    Dim objButtons As Object
    Dim strResult As String, strCurrent As String, strPref As String, strAddress As String
    strResult = strChange
    strCurrent = strDefault
    strPref = strPrefAcct
    strAddress = strEmailAddr
    Set objButtons = CreateObject(ButtonsProgId)
    objButtons.SelQuenlow strResult, strCurrent, strPref, strAddress
    Set objButtons = Nothing
    strChange = strResult
    strDefault = strCurrent
    strPrefAcct = strPref
    strEmailAddr = strAddress
End Sub
