<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>ActivityScreen</name>
    <message>
        <source>, picked up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> and </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Box %1 of %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start box %1 of %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Circuit switch: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bulb circuit switch: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compass circuit switch: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Magnet beside the generator circuit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Buttons</name>
    <message>
        <source>&lt;&lt; Previous Question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next Question &gt;&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Worksheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Worksheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;&lt; Previous Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next Page &gt;&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key Facts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teacher&apos;s Notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Multiple Choice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Labelling Activity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ordering Activity</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Catalogue</name>
    <message>
        <source>The catalogue of worksheets cannot be opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The catalogue of worksheets does not start with its count.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The catalogue of worksheets is too large.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The catalogue of worksheets ends in the middle of a line.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The catalogue of worksheets is shorter than its count.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The catalogue of worksheets lists more than %1 worksheets.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The catalogue of worksheets cannot be written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>another program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 on the computer %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The catalogue of worksheets is in use by %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The disk did not confirm the change to the worksheet folder: it may be lost if the power fails now.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The catalogue of worksheets is full.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The worksheet %1 would not open again as it stands, so it was not saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The worksheet folder cannot be written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The worksheet file cannot be written: the disk may be full or the folder read-only.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>There is no worksheet or quiz called %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The worksheet %1 seems to be corrupted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The catalogue screen&apos;s &quot;Import Worksheets&quot; can complete them in the wizard.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was imported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write %1. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exported %1 to %2 as %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printing is not available: the program&apos;s quorvel-devices module is missing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no default printer; --pdf FILE saves a PDF file instead.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot save %1. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There was a problem printing to your printer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printed the answer key of %1 on the default printer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printed the worksheet %1 on the default printer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved the answer key of %1 as %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved the worksheet %1 as %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows this help.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the language of the program&apos;s texts, as es or en.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: quorvel %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--title needs a title; leave it out to name the worksheets after the file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown command %1; quorvel --help lists the commands.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quorvel, science for primary schools. Without arguments the program opens its windows.

Commands:
  import FILE [--title TITLE]   make worksheets of the questions in a GIFT or Aiken file
  import FILE --list            list every question of the file: fits, or why not
  export TITLE FILE             write a worksheet or built-in quiz to a GIFT file (.gift)
                                or an Aiken file (.txt)
  print TITLE [--answers] [--pdf FILE]
                                print a worksheet, or its answer key, on the default
                                printer or into a PDF file

TITLE is a worksheet&apos;s title as the catalogue lists it, or a built-in quiz by its file
name: introduction, electricity, &quot;Michael Faraday&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>import: the title of the new worksheets.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>print: the answer key instead.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>print: into this PDF file instead.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>import: list the questions, import nothing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>import, export or print, then its arguments.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Import</name>
    <message>
        <source>UTF-8 (1 byte that is not UTF-8 read as Windows-1252)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UTF-8 (%1 bytes that are not UTF-8 read as Windows-1252)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is larger than %1 MB, too large for a question file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is not a text file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skipped %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1 (&quot;%2&quot;)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its question is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it has an empty answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it begins a text with a double quote mark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it holds an invisible control character (U+%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it uses the character &quot;%1&quot;, which a worksheet cannot hold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its question is longer than %1 characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>answer %1 is longer than %2 characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is an essay question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a numeric question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a matching question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a true/false question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a short-answer question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its answers cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it gives part marks for several answers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it has no answers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a fill-in question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its closing brace is missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it has a closing brace without an opening one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it has more than one set of answers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its braces do not match</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it has %1 answers, not 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it has no right answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it has %1 right answers, not 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it writes &quot;%1&quot; in a text that is not HTML, which a worksheet cannot hold as written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>two of its answers have the letter %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its ANSWER line names none of its answers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it writes &quot;%1&quot;, which a worksheet cannot hold as written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it has no ANSWER line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a heading, not a question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no file %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a plain file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file cannot be opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Question %1 has no right answer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Question %1 holds a line break, written as a space.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Question %1 begins like an answer line and will not read back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. %2
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ANSWER: %1

</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 questions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imported</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file holds no question that a worksheet can take.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file holds only %1 that a worksheet can take; a worksheet needs ten.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The catalogue of worksheets cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The catalogue of worksheets is full (%1 worksheets).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file would make %1 worksheets, but the catalogue has room for only %2 more (it holds at most %3).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please use a title of at most %1 characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file was read as %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no free title left for %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The worksheet %1 was not saved. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Made the worksheet %1 of the questions taken %2 to %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left over: the last %1, too few for a worksheet of ten.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImportList</name>
    <message>
        <source>Import Ticked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: skipped, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 of %3 can go into worksheets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 worksheet of ten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 worksheets of ten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 ticked: nothing to import.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 ticked: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 ticked: %2 to complete in the wizard.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 ticked: %2, and %3 to complete in the wizard.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>Teachers&apos; Guide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Introduction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Galileo&apos;s Telescope</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Galileo&apos;s Experiments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tycho and Kepler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kepler and the Planets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sir Isaac Newton</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gravity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Magnetism</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Electricity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Michael Faraday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Atoms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nuclear Forces</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Multiple Choice Wizard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Worksheet Catalogue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Acknowledgments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quorvel Demo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pick a topic to explore, or open the teacher area.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quorvel will be in %1 from the next time it starts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The language could not be kept: the settings file cannot be written.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>Printing failed: save as PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No printer: save as PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 already exists. Do you want to replace it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your certificate has been saved as %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your certificate could not be saved as %1. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your worksheet has been saved as %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your worksheet could not be saved as %1. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your answer key has been saved as %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your answer key could not be saved as %1. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your page has been saved as %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your page could not be saved as %1. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There was a problem printing to your printer.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QuestionFile</name>
    <message>
        <source>The file is too large to be a question file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file ends after its title.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file ends in question %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Question %1 does not name its correct answer.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QuizScreen</name>
    <message>
        <source>Multiple Choice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Question %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check Score &gt;&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your worksheet is now printing.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ResultsScreen</name>
    <message>
        <source>Excellent work. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Certificate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Good work. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click the button above to check which questions you answered incorrectly.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check Wrong Answers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have scored%1 out of%2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Well Done!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter your name in the box above before printing your certificate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Certificate %1.pdf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your certificate is now printing.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReviewScreen</name>
    <message>
        <source>Read the Key Facts and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You answered the following questions incorrectly.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Saving</name>
    <message>
        <source>The disk may be full or the folder read-only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No file was named.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a plain file.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TitleScreen</name>
    <message>
        <source>Quorvel Demo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Written by the Quorvel science team</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Programming by Quorvel Software</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Series editor: Tavimor Publishing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>© 2026 Tavimor Publishing Ltd • Science for ages 7 to 11</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TopicHub</name>
    <message>
        <source>The questions for this topic could not be read.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WaitNotice</name>
    <message>
        <source>Waiting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting for the catalogue of worksheets: %1 is using it.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WorksheetCatalogue</name>
    <message>
        <source>Worksheets Catalogue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Worksheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Worksheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Worksheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Answer Key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Worksheets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GIFT files (*.gift);;Aiken files (*.txt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The worksheet could not be exported to %1. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The worksheet %1 has been exported to %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 answers.pdf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The answer key is now printing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GIFT or Aiken files (*.gift *.txt);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was imported. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imported the worksheet %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imported %1 worksheets: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The import stopped: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The wizard now holds the last %1: complete the worksheet, give it a title and save it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This worksheet seems to be corrupted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure that you want to delete the worksheet %1?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WorksheetWizard</name>
    <message>
        <source>You have not chosen a title for your worksheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please do not begin or end the title with a space.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>That title is used by one of the program&apos;s own quizzes. Please choose another title.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The character &quot;%1&quot; cannot be saved in a worksheet. Please write it another way in Question %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The title cannot contain &quot;%1&quot; (character %2 of the title): only the letters and signs of Western European languages can be stored.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The title cannot contain the sign %1. These signs cannot be used in a title: &lt; &gt; : &quot; / \ | ? * , &amp;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The title cannot contain tabs, line breaks or other invisible characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The title cannot begin or end with a full stop, or have two full stops together.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The computer keeps %1 as a name of its own. Please choose another title.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is already a worksheet called %1. Please type its title exactly the same, or choose another title.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Multiple Choice Wizard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Worksheet Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Question %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your changes to this worksheet have not been saved. Leave the wizard and lose them?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your worksheet has been saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your worksheet has been saved.

%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There was a problem saving your worksheet

%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
