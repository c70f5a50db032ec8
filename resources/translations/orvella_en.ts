<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="en">
<context>
    <name>CXInterfaceString</name>
    <message>
        <source>Orvella cannot be open during export</source>
        <translation>Orvella cannot be open during export</translation>
    </message>
    <message>
        <source>Click Continue to quit Orvella. The application will open when the export is complete</source>
        <translation>Click Continue to quit Orvella. The application will open when the export is complete</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continue</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Export complete</source>
        <translation>Export complete</translation>
    </message>
    <message>
        <source>Downloaded successfully</source>
        <translation>Downloaded successfully</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Select All</translation>
    </message>
    <message>
        <source>Deselect All</source>
        <translation>Deselect All</translation>
    </message>
    <message>
        <source>My Feeds</source>
        <translation>My Feeds</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Untitled</translation>
    </message>
    <message>
        <source>No feeds to export</source>
        <translation>No feeds to export</translation>
    </message>
    <message>
        <source>Orvella has no subscriptions to export yet. Add feeds in Orvella, then open the exporter again.</source>
        <translation>Orvella has no subscriptions to export yet. Add feeds in Orvella, then open the exporter again.</translation>
    </message>
    <message>
        <source>The OPML file could not be saved. Check that the folder exists and that you may write to it, then export again.</source>
        <translation>The OPML file could not be saved. Check that the folder exists and that you may write to it, then export again.</translation>
    </message>
    <message>
        <source>The export was not saved because no feeds are ticked. Tick at least one feed, then export again.</source>
        <translation>The export was not saved because no feeds are ticked. Tick at least one feed, then export again.</translation>
    </message>
    <message>
        <source>Orvella could not be quit. Quit it yourself, then open the exporter again.</source>
        <translation>Orvella could not be quit. Quit it yourself, then open the exporter again.</translation>
    </message>
    <message>
        <source>The support page could not be opened. Visit it in your web browser instead.</source>
        <translation>The support page could not be opened. Visit it in your web browser instead.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About Orvella Exporter…</source>
        <translation>About Orvella Exporter…</translation>
    </message>
    <message>
        <source>Orvella Support</source>
        <translation>Orvella Support</translation>
    </message>
    <message>
        <source>Export Subscriptions</source>
        <translation>Export Subscriptions</translation>
    </message>
    <message>
        <source>Tick the feeds to include in the OPML file.</source>
        <translation>Tick the feeds to include in the OPML file.</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Export…</translation>
    </message>
    <message>
        <source>%1 of %2 selected</source>
        <translation>%1 of %2 selected</translation>
    </message>
    <message>
        <source>No readable Orvella database was found at %1. Open Orvella once so that it creates its database, then open the exporter again.</source>
        <translation>No readable Orvella database was found at %1. Open Orvella once so that it creates its database, then open the exporter again.</translation>
    </message>
    <message>
        <source>Reading feeds…</source>
        <translation>Reading feeds…</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Try Again</translation>
    </message>
    <message>
        <source>This list is incomplete. %1</source>
        <translation>This list is incomplete. %1</translation>
    </message>
    <message>
        <source>There is no database file at “%1”. Check the path given with --database, then start the exporter again.</source>
        <translation>There is no database file at “%1”. Check the path given with --database, then start the exporter again.</translation>
    </message>
    <message>
        <source>Export an incomplete list?</source>
        <translation>Export an incomplete list?</translation>
    </message>
    <message>
        <source>Only the feeds in the list can be exported; those that could not be read will be missing from the file.</source>
        <translation>Only the feeds in the list can be exported; those that could not be read will be missing from the file.</translation>
    </message>
    <message>
        <source>Export Anyway</source>
        <translation>Export Anyway</translation>
    </message>
    <message>
        <source>Export Feeds</source>
        <translation>Export Feeds</translation>
    </message>
    <message>
        <source>%1 already exists. Do you want to replace it?</source>
        <translation>%1 already exists. Do you want to replace it?</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>OPML files</source>
        <translation>OPML files</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Feeds</source>
        <translation>Feeds</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimize</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>The export could not be saved</source>
        <translation>The export could not be saved</translation>
    </message>
    <message>
        <source>Saved as “%1” in</source>
        <translation>Saved as “%1” in</translation>
    </message>
</context>
<context>
    <name>InfoPlist</name>
    <message>
        <source>App Name</source>
        <translation>Orvella Exporter</translation>
    </message>
    <message>
        <source>Made in Ukraine</source>
        <translation>Made in Ukraine</translation>
    </message>
    <message>
        <source>Reserved</source>
        <translation>All rights reserved.</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version %1 (%2)</translation>
    </message>
    <message>
        <source>Credits</source>
        <translation>Exports your Orvella subscriptions to an OPML file.</translation>
    </message>
</context>
</TS>
