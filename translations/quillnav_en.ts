<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>ChooseListDialog</name>
    <message numerus="yes">
        <source>The page &quot;%1&quot; has %Ln drop-down lists. Choose the one to import:</source>
        <translation>
            <numerusform>The page &quot;%1&quot; has %Ln drop-down list. Choose the one to import:</numerusform>
            <numerusform>The page &quot;%1&quot; has %Ln drop-down lists. Choose the one to import:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln entries</source>
        <translation>
            <numerusform>%Ln entry</numerusform>
            <numerusform>%Ln entries</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ImportActions</name>
    <message numerus="yes">
        <source>Imported %Ln item(s) from %1.</source>
        <translation>
            <numerusform>Imported %Ln item from %1.</numerusform>
            <numerusform>Imported %Ln items from %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PageImport</name>
    <message numerus="yes">
        <source>%1. %2: %3 (%Ln entries)</source>
        <translation>
            <numerusform>%1. %2: %3 (%Ln entry)</numerusform>
            <numerusform>%1. %2: %3 (%Ln entries)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>... and %Ln more lists</source>
        <translation>
            <numerusform>... and %Ln more list</numerusform>
            <numerusform>... and %Ln more lists</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The list marks %Ln entries as selected; the last of them, entry %1 (&quot;%2&quot;), is the default selection, as a browser shows it.</source>
        <translation>
            <numerusform>The list marks %Ln entry as selected; entry %1 (&quot;%2&quot;) is the default selection, as a browser shows it.</numerusform>
            <numerusform>The list marks %Ln entries as selected; the last of them, entry %1 (&quot;%2&quot;), is the default selection, as a browser shows it.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The list has %Ln options; only the first %1 were imported.</source>
        <translation>
            <numerusform>The list has %Ln option; only the first %1 were imported.</numerusform>
            <numerusform>The list has %Ln options; only the first %1 were imported.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln texts or links longer than %1 characters were cut to that length.</source>
        <translation>
            <numerusform>%Ln text or link longer than %1 characters was cut to that length.</numerusform>
            <numerusform>%Ln texts or links longer than %1 characters were cut to that length.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PublishDialog</name>
    <message numerus="yes">
        <source>%Ln page(s) will change in &quot;%1&quot;.</source>
        <translation>
            <numerusform>%Ln page will change in &quot;%1&quot;.</numerusform>
            <numerusform>%Ln pages will change in &quot;%1&quot;.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln page(s) and the shared script %2 will change in &quot;%1&quot;.</source>
        <translation>
            <numerusform>%Ln page and the shared script %2 will change in &quot;%1&quot;.</numerusform>
            <numerusform>%Ln pages and the shared script %2 will change in &quot;%1&quot;.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln page(s) had their menu edited by hand: they are left as they are unless you check &quot;Replace Edits&quot;.</source>
        <translation>
            <numerusform>%Ln page had its menu edited by hand: it is left as it is unless you check &quot;Replace Edits&quot;.</numerusform>
            <numerusform>%Ln pages had their menu edited by hand: they are left as they are unless you check &quot;Replace Edits&quot;.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n link(s) of the menu lead nowhere (see &quot;dead link&quot; below); the menu is published with them all the same.</source>
        <translation>
            <numerusform>%n link of the menu leads nowhere (see &quot;dead link&quot; below); the menu is published with it all the same.</numerusform>
            <numerusform>%n links of the menu lead nowhere (see &quot;dead link&quot; below); the menu is published with them all the same.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>RestoreDialog</name>
    <message numerus="yes">
        <source>%Ln page(s) will be put back; the pages that are the same as their backup stay as they are.</source>
        <translation>
            <numerusform>%Ln page will be put back; the pages that are the same as their backup stay as they are.</numerusform>
            <numerusform>%Ln pages will be put back; the pages that are the same as their backup stay as they are.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SiteMenuBuilder</name>
    <message numerus="yes">
        <source>... and %Ln more notes.</source>
        <translation>
            <numerusform>... and %Ln more note.</numerusform>
            <numerusform>... and %Ln more notes.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SitePublisher</name>
    <message numerus="yes">
        <source>%n page(s) of the site still use it.</source>
        <translation>
            <numerusform>%n page of the site still uses it.</numerusform>
            <numerusform>%n pages of the site still use it.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SiteWalk</name>
    <message numerus="yes">
        <source>%Ln more files or folders were skipped.</source>
        <translation>
            <numerusform>%Ln more file or folder was skipped.</numerusform>
            <numerusform>%Ln more files or folders were skipped.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TransferDialog</name>
    <message numerus="yes">
        <source>%n file(s) will be uploaded to %1.</source>
        <translation>
            <numerusform>%n file will be uploaded to %1.</numerusform>
            <numerusform>%n files will be uploaded to %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) will be downloaded from %1.</source>
        <translation>
            <numerusform>%n file will be downloaded from %1.</numerusform>
            <numerusform>%n files will be downloaded from %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) changed elsewhere since the last transfer: they are left as they are unless you check &quot;Overwrite&quot;.</source>
        <translation>
            <numerusform>%n file changed elsewhere since the last transfer: it is left as it is unless you check &quot;Overwrite&quot;.</numerusform>
            <numerusform>%n files changed elsewhere since the last transfer: they are left as they are unless you check &quot;Overwrite&quot;.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) cannot be transferred (see their reasons).</source>
        <translation>
            <numerusform>%n file cannot be transferred (see its reason).</numerusform>
            <numerusform>%n files cannot be transferred (see their reasons).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n page(s) are not on the server.</source>
        <translation>
            <numerusform>%n page is not on the server.</numerusform>
            <numerusform>%n pages are not on the server.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n temporary file(s) of an interrupted run were tidied on the server.</source>
        <translation>
            <numerusform>%n temporary file of an interrupted run was tidied on the server.</numerusform>
            <numerusform>%n temporary files of an interrupted run were tidied on the server.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) uploaded (%1).</source>
        <translation>
            <numerusform>%n file uploaded (%1).</numerusform>
            <numerusform>%n files uploaded (%1).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) downloaded (%1).</source>
        <translation>
            <numerusform>%n file downloaded (%1).</numerusform>
            <numerusform>%n files downloaded (%1).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) skipped: they changed elsewhere (see their reasons).</source>
        <translation>
            <numerusform>%n file skipped: it changed elsewhere (see its reason).</numerusform>
            <numerusform>%n files skipped: they changed elsewhere (see their reasons).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) failed (see their reasons).</source>
        <translation>
            <numerusform>%n file failed (see its reason).</numerusform>
            <numerusform>%n files failed (see their reasons).</numerusform>
        </translation>
    </message>
</context>
</TS>
