<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AdvisoryDialog</name>
    <message>
        <source>Show this message again in the future.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BrowserPreview</name>
    <message>
        <source>Preview Menu in Browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>

The preview was not opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No program was found to show the preview page. Open this page in your web browser to see the menu:

%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChooseListDialog</name>
    <message>
        <source>Import Menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The page &quot;%1&quot; has %2 drop-down lists. Choose the one to import:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 entries</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CodeDialect</name>
    <message>
        <source>Classic</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ColorRow</name>
    <message>
        <source>Please enter a valid color value or click &quot;Select&quot; to choose a color.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter a valid color value.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oops!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ContextHelp</name>
    <message>
        <source>&lt;p&gt;%1&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;%2%3&quot;&gt;More in Help&lt;/a&gt;&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FontOptionsGroup</name>
    <message>
        <source>Font Options:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Italics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Underlined</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Font:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font &amp;Size:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lighter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bolder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font &amp;Weight:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (not installed on this computer)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Load Saved Menu Project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved the menu code to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The menu project file %1 was removed or renamed by another program; Save writes it again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The menu project file %1 was changed by another program; Save will ask before overwriting it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The menu project &quot;%1&quot; was changed by another program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to load it again?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Load Again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Keep This Version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loaded the menu project %1 again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The menu project &quot;%1&quot; was changed by another program since it was loaded or saved here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overwrite it with the project shown here? Choose Save As to keep both, the other version in its file and this one under another name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Overwrite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>another Quillnav window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>another copy of Quillnav (process %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>another copy of Quillnav</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The menu project &quot;%1&quot; is already open in %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open it here anyway? Each window warns before it saves over changes that the other has saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open Anyway</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Link Target</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frame Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Button Kind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Button Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Graphic URL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alt Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Graphic Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Graphic Height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Button Alignment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The menu project &quot;%1&quot; has changes that were not saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to save your changes?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved the menu project to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load Menu Project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loaded the menu project %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Menu Project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The menu project &quot;%1&quot; no longer exists. It has been removed from the list of recent files.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Menu from Web Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Web pages (*.html *.htm);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imported %1 items from %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The menu was imported with these changes:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Item Text:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Link URL:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Separator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In&amp;dented</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not lin&amp;ked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert Item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Separator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update Item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have already designated &quot;%1&quot; as the selected item in the menu. Do you wish to change it to this one?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected Item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Item Properties:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quillnav 1.2 by Brookfen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move selected item up one position.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move selected item down one position.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make selected item indented.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make selected item not indented.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make item default selection in menu.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit text and link url of selected item.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete selected item.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move &amp;Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Indent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>U&amp;n-indent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Make Default Selection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Indent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Un-indent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make Default Selection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove Item</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New Menu Project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Load Saved Menu Project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save Menu Project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Menu Project &amp;As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import Menu from Web Page...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy Code to Clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Code to &amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Preview Menu in Browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tutorial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Context Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Insert Below Current</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pr&amp;eferences...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create new menu project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load saved menu project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save current menu project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generate menu code and copy to clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generate menu code and save to a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview menu in browser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open help file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show context help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Quillnav</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Code:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Classic: the menu code as Quillnav has always written it.
HTML5: valid, escaped code for today&apos;s browsers that also works under a Content Security Policy.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Menu Style</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Button Style</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Loading. Please wait...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Generated Menu Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Javascript Function Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy and paste this code into the head section of your page (anywhere between the &lt;HEAD&gt; and &lt;/HEAD&gt; tags).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HTML Code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy and paste this code into the body section of your page (anywhere between the &lt;BODY&gt; and &lt;/BODY&gt; tags) wherever you want the menu to appear.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save to File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The script for the head section is on the clipboard.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The HTML code for the body section is on the clipboard.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved the menu code to %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source>Important Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changing this value has no effect when &quot;Use Default User System Button Colors&quot; is checked. A border is only displayed if you are using non-default colors.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Form5</name>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This will restore all values in this dialog to the program default settings. All current settings will be lost. Do you wish to continue?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FrmAbt</name>
    <message>
        <source>About...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find more great software titles from Brookfen at:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FrmAdvBttnOp</name>
    <message>
        <source>&amp;Text:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F&amp;ace:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To&amp;p Border:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>L&amp;eft Border:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ri&amp;ght Border:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Botto&amp;m Border:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Advanced Button Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dimensions:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Constrain Button Dimensions Proportionally to Font Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pixels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Button Wi&amp;dth:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Button &amp;Height:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Border Thic&amp;kness:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color Options:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;No Border</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use Default System Button C&amp;olors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sync Top and &amp;Left Border Colors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sync Right and &amp;Bottom Border Colors</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Quillnav Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The help file %1 was not found. Quillnav looked for it in:

%2

Reinstall Quillnav to get its help back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The help file %1 could not be opened: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Quillnav Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %1 could not be created.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a readable help file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Look for</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>IgnoredStylesBar</name>
    <message>
        <source>Use HTML5 code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Don&apos;t Show Again</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>IgnoredStylesMessage</name>
    <message>
        <source>Styles That Browsers Ignore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use HTML5 code</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LivePreview</name>
    <message>
        <source>The sandbox was turned off by the environment.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quillnav runs as root, where the browser engine&apos;s sandbox refuses to start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This system does not let programs make the user namespaces the browser engine&apos;s sandbox needs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The live preview was not prepared when Quillnav started, so it cannot show the menu in this session.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The live preview needs the browser engine&apos;s helper program &quot;%1&quot;, which is not installed (Debian package libqt6webenginecore6-bin).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The live preview cannot find the browser engine&apos;s resources (qtwebengine_resources.pak); Qt WebEngine is not fully installed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pick an entry in the menu to see where it leads.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>in a new window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>in the frame &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>in the same window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Would open %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A separator: it goes nowhere.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not linked: it goes nowhere.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no address a browser opens: it goes nowhere.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LivePreviewPage</name>
    <message>
        <source>in a new window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>in the same window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>in the frame &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LivePreviewPane</name>
    <message>
        <source>Live Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Live Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the menu as the browser preview shows it, updated as you work</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> The preview reaches no network and no files.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Would open %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The page says: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The preview&apos;s page stopped unexpectedly; the next change shows the menu again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>

Everything else works as before; &quot;Preview Menu in Browser&quot; shows the menu in your web browser.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MenuOptions</name>
    <message>
        <source>Same window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Different frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Middle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MenuOptionsPanel</name>
    <message>
        <source>Menu Options:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Name of Menu:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(Must be unique for each menu on page.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Target of Links:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fra&amp;me Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Navigate on &amp;Button Click</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Navigate on Item Change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Align t&amp;o Button:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Advanced Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Submit Button Options:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>G&amp;raphic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Te&amp;xt:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;URL of Button Graphic:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Alt Text:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hei&amp;ght:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free Button Graphics from Brookfen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PreferencesDialog</name>
    <message>
        <source>Preferences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The code of a new menu project and of the first window. A saved project keeps its own.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Code for &amp;new menus:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Say when the styles of classic code will not show in browsers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The preferences could not be stored in %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProjectFile</name>
    <message>
        <source>Quillnav menu projects (*.qnv)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SaveCodeToFile</name>
    <message>
        <source>HTML pages (*.html)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SaveProjectDialog</name>
    <message>
        <source>Save Menu Project As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StyleDialog</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Restore Defaults</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmAdvMnuOp</name>
    <message>
        <source>Advanced Menu Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dimensions:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Constrain Width Proportionally to Font Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wi&amp;dth:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pixels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color Options:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use Default System &amp;Menu Colors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Text:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Background:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>iemsgfrm</name>
    <message>
        <source>Important Message</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Advanced properties (colors, font, etc.) for menus and buttons will only show up if the menu is viewed in Microsoft Internet Explorer. Netscape always uses one default font and style for Javascript menu elements.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
