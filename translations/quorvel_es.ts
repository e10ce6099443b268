<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>ActivityScreen</name>
    <message>
        <source>, picked up</source>
        <translation>, cogida</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vacía</translation>
    </message>
    <message>
        <source> and </source>
        <translation> y </translation>
    </message>
    <message>
        <source>Box %1 of %2: %3</source>
        <translation>Casilla %1 de %2: %3</translation>
    </message>
    <message>
        <source>Start box %1 of %2: %3</source>
        <translation>Casilla de salida %1 de %2: %3</translation>
    </message>
    <message>
        <source>on</source>
        <translation>encendido</translation>
    </message>
    <message>
        <source>off</source>
        <translation>apagado</translation>
    </message>
    <message>
        <source>Circuit switch: %1</source>
        <translation>Interruptor del circuito: %1</translation>
    </message>
    <message>
        <source>Bulb circuit switch: %1</source>
        <translation>Interruptor del circuito de la bombilla: %1</translation>
    </message>
    <message>
        <source>Compass circuit switch: %1</source>
        <translation>Interruptor del circuito de la brújula: %1</translation>
    </message>
    <message>
        <source>Magnet beside the generator circuit</source>
        <translation>Imán junto al circuito del generador</translation>
    </message>
    <message>
        <source>picked up</source>
        <translation>levantada</translation>
    </message>
    <message>
        <source>put down</source>
        <translation>soltada</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Box 1 of 5, under the picture of a match</source>
        <translation>Casilla 1 de 5, bajo el dibujo de una cerilla</translation>
    </message>
    <message>
        <source>Box 2 of 5, under the picture of a magnet</source>
        <translation>Casilla 2 de 5, bajo el dibujo de un imán</translation>
    </message>
    <message>
        <source>Box 3 of 5, under the picture of lightning</source>
        <translation>Casilla 3 de 5, bajo el dibujo de un rayo</translation>
    </message>
    <message>
        <source>Box 4 of 5, under the picture of a roller coaster</source>
        <translation>Casilla 4 de 5, bajo el dibujo de una montaña rusa</translation>
    </message>
    <message>
        <source>Box 5 of 5, under the picture of a rocket</source>
        <translation>Casilla 5 de 5, bajo el dibujo de un cohete</translation>
    </message>
    <message>
        <source>Box 1 of 4, beside the orange part marked plus and minus on the left of the circuit</source>
        <translation>Casilla 1 de 4, junto a la pieza naranja con más y menos, a la izquierda del circuito</translation>
    </message>
    <message>
        <source>Box 2 of 4, above the lever at the bottom of the circuit</source>
        <translation>Casilla 2 de 4, sobre la palanca de abajo del circuito</translation>
    </message>
    <message>
        <source>Box 3 of 4, above the red line along the top of the circuit</source>
        <translation>Casilla 3 de 4, sobre la línea roja de arriba del circuito</translation>
    </message>
    <message>
        <source>Box 4 of 4, beside the glass globe at the top right of the circuit</source>
        <translation>Casilla 4 de 4, junto a la bola de cristal arriba a la derecha del circuito</translation>
    </message>
    <message>
        <source>Box 1 of 4, in the lower circuit, whose wire runs over a compass</source>
        <translation>Casilla 1 de 4, en el circuito de abajo, cuyo cable pasa sobre una brújula</translation>
    </message>
    <message>
        <source>Box 2 of 4, between the meter and the coil that the magnet moves into</source>
        <translation>Casilla 2 de 4, entre el medidor y la bobina en la que entra el imán</translation>
    </message>
    <message>
        <source>Box 3 of 4, under the picture of iron filings round a bar magnet</source>
        <translation>Casilla 3 de 4, bajo el dibujo de limaduras de hierro alrededor de un imán</translation>
    </message>
    <message>
        <source>Box 4 of 4, in the upper circuit</source>
        <translation>Casilla 4 de 4, en el circuito de arriba</translation>
    </message>
    <message>
        <source>Friction scale, place 3 of 4</source>
        <translation>Escala de rozamiento, puesto 3 de 4</translation>
    </message>
    <message>
        <source>Friction scale, place 1 of 4, most friction</source>
        <translation>Escala de rozamiento, puesto 1 de 4, el que más roza</translation>
    </message>
    <message>
        <source>Friction scale, place 4 of 4, least friction</source>
        <translation>Escala de rozamiento, puesto 4 de 4, el que menos roza</translation>
    </message>
    <message>
        <source>Friction scale, place 2 of 4</source>
        <translation>Escala de rozamiento, puesto 2 de 4</translation>
    </message>
    <message>
        <source>Insulators, place 3 of 5</source>
        <translation>Aislantes, puesto 3 de 5</translation>
    </message>
    <message>
        <source>Insulators, place 2 of 5</source>
        <translation>Aislantes, puesto 2 de 5</translation>
    </message>
    <message>
        <source>Insulators, place 1 of 5</source>
        <translation>Aislantes, puesto 1 de 5</translation>
    </message>
    <message>
        <source>Insulators, place 4 of 5</source>
        <translation>Aislantes, puesto 4 de 5</translation>
    </message>
    <message>
        <source>Insulators, place 5 of 5</source>
        <translation>Aislantes, puesto 5 de 5</translation>
    </message>
    <message>
        <source>Conductors, place 2 of 5</source>
        <translation>Conductores, puesto 2 de 5</translation>
    </message>
    <message>
        <source>Conductors, place 3 of 5</source>
        <translation>Conductores, puesto 3 de 5</translation>
    </message>
    <message>
        <source>Conductors, place 4 of 5</source>
        <translation>Conductores, puesto 4 de 5</translation>
    </message>
    <message>
        <source>Conductors, place 1 of 5</source>
        <translation>Conductores, puesto 1 de 5</translation>
    </message>
    <message>
        <source>Conductors, place 5 of 5</source>
        <translation>Conductores, puesto 5 de 5</translation>
    </message>
    <message>
        <source>Timeline, 1826</source>
        <translation>Línea del tiempo, 1826</translation>
    </message>
    <message>
        <source>Timeline, 1791</source>
        <translation>Línea del tiempo, 1791</translation>
    </message>
    <message>
        <source>Timeline, 1861</source>
        <translation>Línea del tiempo, 1861</translation>
    </message>
    <message>
        <source>Timeline, 1821</source>
        <translation>Línea del tiempo, 1821</translation>
    </message>
    <message>
        <source>Timeline, 1831</source>
        <translation>Línea del tiempo, 1831</translation>
    </message>
    <message>
        <source>Timeline, 1867</source>
        <translation>Línea del tiempo, 1867</translation>
    </message>
</context>
<context>
    <name>Buttons</name>
    <message>
        <source>&lt;&lt; Previous Question</source>
        <translation>&lt;&lt; Pregunta anterior</translation>
    </message>
    <message>
        <source>Next Question &gt;&gt;</source>
        <translation>Siguiente pregunta &gt;&gt;</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Print Worksheet</source>
        <translation>Imprimir ficha</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprime</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Previous Page</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>Save Worksheet</source>
        <translation>Guardar ficha</translation>
    </message>
    <message>
        <source>&lt;&lt; Previous Page</source>
        <translation>&lt;&lt; Anterior</translation>
    </message>
    <message>
        <source>Next Page &gt;&gt;</source>
        <translation>Siguiente &gt;&gt;</translation>
    </message>
    <message>
        <source>Key Facts</source>
        <translation>Ideas clave</translation>
    </message>
    <message>
        <source>Teacher&apos;s Notes</source>
        <translation>Notas para el docente</translation>
    </message>
    <message>
        <source>Multiple Choice</source>
        <translation>Preguntas de test</translation>
    </message>
    <message>
        <source>Labelling Activity</source>
        <translation>Pon las etiquetas</translation>
    </message>
    <message>
        <source>Ordering Activity</source>
        <translation>Ponlo en orden</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Delete Pupil</source>
        <translation>Borrar alumno</translation>
    </message>
    <message>
        <source>Start Again</source>
        <translation>Otra vez</translation>
    </message>
    <message>
        <source>Check Score</source>
        <translation>Ver mi nota</translation>
    </message>
</context>
<context>
    <name>Catalogue</name>
    <message>
        <source>The catalogue of worksheets cannot be opened.</source>
        <translation>No se puede abrir el catálogo de fichas.</translation>
    </message>
    <message>
        <source>The catalogue of worksheets does not start with its count.</source>
        <translation>El catálogo de fichas no empieza con el número de fichas que contiene.</translation>
    </message>
    <message>
        <source>The catalogue of worksheets is too large.</source>
        <translation>El catálogo de fichas es demasiado grande.</translation>
    </message>
    <message>
        <source>The catalogue of worksheets ends in the middle of a line.</source>
        <translation>El catálogo de fichas se corta a mitad de una línea.</translation>
    </message>
    <message>
        <source>The catalogue of worksheets is shorter than its count.</source>
        <translation>El catálogo de fichas tiene menos fichas de las que dice.</translation>
    </message>
    <message>
        <source>The catalogue of worksheets lists more than %1 worksheets.</source>
        <translation>El catálogo de fichas tiene más de %1 fichas.</translation>
    </message>
    <message>
        <source>The catalogue of worksheets cannot be written.</source>
        <translation>No se puede guardar el catálogo de fichas.</translation>
    </message>
    <message>
        <source>another program</source>
        <translation>otro programa</translation>
    </message>
    <message>
        <source>%1 on the computer %2</source>
        <translation>%1 en el ordenador %2</translation>
    </message>
    <message>
        <source>The catalogue of worksheets is in use by %1.</source>
        <translation>El catálogo de fichas lo está usando %1.</translation>
    </message>
    <message>
        <source>The disk did not confirm the change to the worksheet folder: it may be lost if the power fails now.</source>
        <translation>El disco no ha confirmado el cambio en la carpeta de fichas: podría perderse si ahora se va la luz.</translation>
    </message>
    <message>
        <source>The catalogue of worksheets is full.</source>
        <translation>El catálogo de fichas está lleno.</translation>
    </message>
    <message>
        <source>The worksheet folder %1 can be read but not written by this login, so nothing can be saved there. Ask whoever looks after the computers to let teachers write into it.</source>
        <translation>La carpeta de fichas %1 se puede leer, pero este usuario no puede escribir en ella, así que no se puede guardar nada allí. Pide a quien cuida de los ordenadores que deje escribir en ella a los maestros.</translation>
    </message>
    <message>
        <source>The worksheet %1 would not open again as it stands, so it was not saved.</source>
        <translation>La ficha %1 no se podría volver a abrir tal como está, así que no se ha guardado.</translation>
    </message>
    <message>
        <source>The worksheet folder cannot be written.</source>
        <translation>No se puede escribir en la carpeta de fichas.</translation>
    </message>
    <message>
        <source>The worksheet file of %1 cannot be written: the disk may be full or the folder read-only.</source>
        <translation>No se puede guardar el archivo de la ficha %1: puede que el disco esté lleno o que la carpeta sea de solo lectura.</translation>
    </message>
</context>
<context>
    <name>ClassFolder</name>
    <message>
        <source>the option --class-folder</source>
        <translation>la opción --class-folder</translation>
    </message>
    <message>
        <source>the variable %1</source>
        <translation>la variable %1</translation>
    </message>
    <message>
        <source>ClassFolder in the settings file</source>
        <translation>ClassFolder en el archivo de configuración</translation>
    </message>
    <message>
        <source>it does not exist</source>
        <translation>no existe</translation>
    </message>
    <message>
        <source>it is not a folder</source>
        <translation>no es una carpeta</translation>
    </message>
    <message>
        <source>this login may not read it</source>
        <translation>este usuario no puede leerla</translation>
    </message>
    <message>
        <source>The class folder %1, named by %2, cannot be used: %3. Quorvel uses this login&apos;s own worksheet folder instead.</source>
        <translation>No se puede usar la carpeta de la clase %1, indicada por %2: %3. Quorvel usa en su lugar la carpeta de fichas propia de este usuario.</translation>
    </message>
</context>
<context>
    <name>ClassResults</name>
    <message>
        <source>1 result</source>
        <translation>1 resultado</translation>
    </message>
    <message numerus="yes">
        <source>%n results</source>
        <translation>
            <numerusform>%n resultado</numerusform>
            <numerusform>%n resultados</numerusform>
        </translation>
    </message>
    <message>
        <source>Class Results</source>
        <translation>Resultados de la clase</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Del</translation>
    </message>
    <message>
        <source>Results from</source>
        <translation>Resultados desde</translation>
    </message>
    <message>
        <source>to</source>
        <translation>al</translation>
    </message>
    <message>
        <source>Results to</source>
        <translation>Resultados hasta</translation>
    </message>
    <message>
        <source>Each square: best · latest score · tries. Pick a pupil to see every attempt.</source>
        <translation>Cada casilla: mejor · última nota · intentos. Elige un alumno para ver todos sus intentos.</translation>
    </message>
    <message>
        <source>Results of each pupil</source>
        <translation>Resultados de cada alumno</translation>
    </message>
    <message>
        <source>Attempts of the pupil</source>
        <translation>Intentos del alumno</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>Empezado</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Terminado</translation>
    </message>
    <message>
        <source>Topic or worksheet</source>
        <translation>Tema o ficha</translation>
    </message>
    <message>
        <source>Activity</source>
        <translation>Actividad</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Questions answered wrongly</source>
        <translation>Preguntas falladas</translation>
    </message>
    <message>
        <source>%1 of %2 from %3 to %4.</source>
        <translation>%1 de %2 del %3 al %4.</translation>
    </message>
    <message>
        <source>1 pupil</source>
        <translation>1 alumno</translation>
    </message>
    <message numerus="yes">
        <source>%n pupils</source>
        <translation>
            <numerusform>%n alumno</numerusform>
            <numerusform>%n alumnos</numerusform>
        </translation>
    </message>
    <message>
        <source>1 unfinished or damaged line was skipped.</source>
        <translation>Se ha saltado 1 línea sin terminar o dañada.</translation>
    </message>
    <message numerus="yes">
        <source>%n unfinished or damaged lines were skipped.</source>
        <translation>
            <numerusform>Se ha saltado %n línea sin terminar o dañada.</numerusform>
            <numerusform>Se han saltado %n líneas sin terminar o dañadas.</numerusform>
        </translation>
    </message>
    <message>
        <source>Attempts of %1</source>
        <translation>Intentos de %1</translation>
    </message>
    <message>
        <source>Export Results</source>
        <translation>Exportar resultados</translation>
    </message>
    <message>
        <source>Class results.csv</source>
        <translation>Resultados de la clase.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>1 result has been exported to %1.</source>
        <translation>Se ha exportado 1 resultado a %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n results have been exported to %1.</source>
        <translation>
            <numerusform>Se ha exportado %n resultado a %1.</numerusform>
            <numerusform>Se han exportado %n resultados a %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>The results could not be exported to %1. %2</source>
        <translation>No se han podido exportar los resultados a %1. %2</translation>
    </message>
    <message>
        <source>Pick the pupil whose results are to be deleted in the table first.</source>
        <translation>Primero elige en la tabla el alumno cuyos resultados quieres borrar.</translation>
    </message>
    <message>
        <source>Are you sure that you want to delete every result of %1, from every date? This cannot be undone.</source>
        <translation>¿Seguro que quieres borrar todos los resultados de %1, de todas las fechas? No se puede deshacer.</translation>
    </message>
    <message>
        <source>1 result of %1 has been deleted.</source>
        <translation>Se ha borrado 1 resultado de %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n results of %1 have been deleted.</source>
        <translation>
            <numerusform>Se ha borrado %n resultado de %1.</numerusform>
            <numerusform>Se han borrado %n resultados de %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Not every result of %1 could be deleted. %2</source>
        <translation>No se han podido borrar todos los resultados de %1. %2</translation>
    </message>
    <message>
        <source>Quiz</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Worksheet</source>
        <translation>Ficha</translation>
    </message>
    <message>
        <source>Labelling</source>
        <translation>Etiquetas</translation>
    </message>
    <message>
        <source>Ordering</source>
        <translation>Ordenar</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>There is no worksheet or quiz called %1.</source>
        <translation>No hay ninguna ficha ni test que se llame %1.</translation>
    </message>
    <message>
        <source>The worksheet %1 seems to be corrupted.</source>
        <translation>Parece que la ficha %1 está dañada.</translation>
    </message>
    <message>
        <source>The catalogue screen&apos;s &quot;Import Worksheets&quot; can complete them in the wizard.</source>
        <translation>Con «Importar fichas», en la pantalla del catálogo, se pueden completar en el asistente.</translation>
    </message>
    <message>
        <source>Nothing was imported.</source>
        <translation>No se ha importado nada.</translation>
    </message>
    <message>
        <source>Cannot write %1. %2</source>
        <translation>No se puede escribir %1. %2</translation>
    </message>
    <message>
        <source>The disk did not confirm the change to the folder: the file may be lost if the power fails now.</source>
        <translation>El disco no ha confirmado el cambio en la carpeta: el archivo podría perderse si ahora se va la luz.</translation>
    </message>
    <message>
        <source>Exported %1 to %2 as %3.</source>
        <translation>Se ha exportado %1 a %2 en formato %3.</translation>
    </message>
    <message>
        <source>Printing is not available: the program&apos;s quorvel-devices module is missing.</source>
        <translation>No se puede imprimir: falta el módulo quorvel-devices del programa.</translation>
    </message>
    <message>
        <source>There is no default printer; --pdf FILE saves a PDF file instead.</source>
        <translation>No hay ninguna impresora predeterminada; con --pdf ARCHIVO se guarda un archivo PDF.</translation>
    </message>
    <message>
        <source>Cannot save %1. %2</source>
        <translation>No se puede guardar %1. %2</translation>
    </message>
    <message>
        <source>There was a problem printing to your printer.</source>
        <translation>Ha habido un problema al imprimir en la impresora.</translation>
    </message>
    <message>
        <source>Printed the answer key of %1 on the default printer.</source>
        <translation>Se han impreso las soluciones de %1 en la impresora predeterminada.</translation>
    </message>
    <message>
        <source>Printed the worksheet %1 on the default printer.</source>
        <translation>Se ha impreso la ficha %1 en la impresora predeterminada.</translation>
    </message>
    <message>
        <source>Saved the answer key of %1 as %2.</source>
        <translation>Se han guardado las soluciones de %1 como %2.</translation>
    </message>
    <message>
        <source>Saved the worksheet %1 as %2.</source>
        <translation>Se ha guardado la ficha %1 como %2.</translation>
    </message>
    <message>
        <source>Shows this help.</source>
        <translation>Muestra esta ayuda.</translation>
    </message>
    <message>
        <source>the language of the program&apos;s texts, as es or en.</source>
        <translation>el idioma de los textos del programa, como es o en.</translation>
    </message>
    <message>
        <source>Usage: quorvel %1</source>
        <translation>Uso: quorvel %1</translation>
    </message>
    <message>
        <source>--title needs a title; leave it out to name the worksheets after the file.</source>
        <translation>--title necesita un título; sin él, las fichas se llaman como el archivo.</translation>
    </message>
    <message>
        <source>Unknown command %1; quorvel --help lists the commands.</source>
        <translation>No se conoce la orden %1; quorvel --help muestra las órdenes.</translation>
    </message>
    <message>
        <source>fits</source>
        <translation>cabe</translation>
    </message>
    <message>
        <source>import: the title of the new worksheets.</source>
        <translation>import: el título de las fichas nuevas.</translation>
    </message>
    <message>
        <source>print: the answer key instead.</source>
        <translation>print: las soluciones en lugar de la ficha.</translation>
    </message>
    <message>
        <source>print: into this PDF file instead.</source>
        <translation>print: en este archivo PDF en lugar de la impresora.</translation>
    </message>
    <message>
        <source>import: list the questions, import nothing.</source>
        <translation>import: enumera las preguntas sin importar nada.</translation>
    </message>
    <message>
        <source>TITLE</source>
        <translation>TÍTULO</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>ARCHIVO</translation>
    </message>
    <message>
        <source>CODE</source>
        <translation>CÓDIGO</translation>
    </message>
    <message>
        <source>command</source>
        <translation>orden</translation>
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
  results [--since DATE] [--pupil NAME] [--csv FILE]
                                the class&apos;s results: each pupil&apos;s best and latest score
                                and tries, or every result as CSV (--csv - prints it)

TITLE is a worksheet&apos;s title as the catalogue lists it, or a built-in quiz by its file
name: introduction, electricity, &quot;Michael Faraday&quot;.

Every command, and the windows, work on the class folder named by --class-folder DIR,
else by the variable QUORVEL_CLASS_FOLDER, else by ClassFolder in quorvel.conf, else
on this login&apos;s own worksheet folder.</source>
        <translation>Quorvel, ciencias para Primaria. Sin argumentos, el programa abre sus ventanas.

Órdenes:
  import ARCHIVO [--title TÍTULO]  crea fichas con las preguntas de un archivo GIFT o Aiken
  import ARCHIVO --list            enumera las preguntas del archivo: si caben o por qué no
  export TÍTULO ARCHIVO            escribe una ficha o un test del programa en un archivo
                                   GIFT (.gift) o Aiken (.txt)
  print TÍTULO [--answers] [--pdf ARCHIVO]
                                   imprime una ficha, o sus soluciones, en la impresora
                                   predeterminada o en un archivo PDF
  results [--since FECHA] [--pupil NOMBRE] [--csv ARCHIVO]
                                   los resultados de la clase: la mejor y la última nota
                                   de cada alumno y sus intentos, o todos en CSV (--csv -
                                   los muestra)

TÍTULO es el título de una ficha tal como aparece en el catálogo, o un test del programa
por su nombre de archivo: introduction, electricity, &quot;Michael Faraday&quot;.

Todas las órdenes, y las ventanas, trabajan con la carpeta de la clase indicada por
--class-folder CARPETA, si no por la variable QUORVEL_CLASS_FOLDER, si no por ClassFolder
en quorvel.conf, y si no con la carpeta de fichas propia de este usuario.</translation>
    </message>
    <message>
        <source>The class folder: worksheets, catalogue and results/.</source>
        <translation>La carpeta de la clase: fichas, catálogo y results/.</translation>
    </message>
    <message>
        <source>DIR</source>
        <translation>CARPETA</translation>
    </message>
    <message>
        <source>results: only those finished on or after DATE (2026-09-01).</source>
        <translation>results: solo los terminados en la FECHA o después (2026-09-01).</translation>
    </message>
    <message>
        <source>DATE</source>
        <translation>FECHA</translation>
    </message>
    <message>
        <source>results: only this pupil&apos;s.</source>
        <translation>results: solo los de este alumno.</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NOMBRE</translation>
    </message>
    <message>
        <source>results: every result as CSV into FILE (- for standard output).</source>
        <translation>results: todos los resultados en CSV en ARCHIVO (- para la salida estándar).</translation>
    </message>
    <message>
        <source>import, export, print or results, then its arguments.</source>
        <translation>import, export, print o results, y después sus argumentos.</translation>
    </message>
    <message>
        <source>Please name a .gift file (GIFT) or a .txt file (Aiken).</source>
        <translation>Indica un archivo .gift (GIFT) o un archivo .txt (Aiken).</translation>
    </message>
    <message>
        <source>--since needs a date written as 2026-09-01.</source>
        <translation>--since necesita una fecha escrita como 2026-09-01.</translation>
    </message>
    <message>
        <source>1 damaged or unfinished line of the results files was skipped.</source>
        <translation>Se ha saltado 1 línea dañada o sin terminar de los archivos de resultados.</translation>
    </message>
    <message numerus="yes">
        <source>%n damaged or unfinished lines of the results files were skipped.</source>
        <translation>
            <numerusform>Se ha saltado %n línea dañada o sin terminar de los archivos de resultados.</numerusform>
            <numerusform>Se han saltado %n líneas dañadas o sin terminar de los archivos de resultados.</numerusform>
        </translation>
    </message>
    <message>
        <source>Wrote 1 result to %1.</source>
        <translation>Se ha escrito 1 resultado en %1.</translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n results to %1.</source>
        <translation>
            <numerusform>Se ha escrito %n resultado en %1.</numerusform>
            <numerusform>Se han escrito %n resultados en %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1	%2 (%3)	best %4/%5	latest %6/%7	%8</source>
        <translation>%1	%2 (%3)	mejor %4/%5	última %6/%7	%8</translation>
    </message>
    <message>
        <source>1 try</source>
        <translation>1 intento</translation>
    </message>
    <message numerus="yes">
        <source>%n tries</source>
        <translation>
            <numerusform>%n intento</numerusform>
            <numerusform>%n intentos</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 of %2.</source>
        <translation>%1 de %2.</translation>
    </message>
    <message>
        <source>1 result</source>
        <translation>1 resultado</translation>
    </message>
    <message numerus="yes">
        <source>%n results</source>
        <translation>
            <numerusform>%n resultado</numerusform>
            <numerusform>%n resultados</numerusform>
        </translation>
    </message>
    <message>
        <source>1 pupil</source>
        <translation>1 alumno</translation>
    </message>
    <message numerus="yes">
        <source>%n pupils</source>
        <translation>
            <numerusform>%n alumno</numerusform>
            <numerusform>%n alumnos</numerusform>
        </translation>
    </message>
    <message>
        <source>This command needs the program&apos;s quorvel-windows module, which is missing.</source>
        <translation>Esta orden necesita el módulo quorvel-windows del programa, que falta.</translation>
    </message>
    <message>
        <source>Quorvel needs a display to open its window; without one, &quot;quorvel --help&quot; lists the commands it can run.</source>
        <translation>Quorvel necesita una pantalla para abrir su ventana; sin ella, &quot;quorvel --help&quot; muestra las órdenes que puede ejecutar.</translation>
    </message>
</context>
<context>
    <name>Import</name>
    <message>
        <source>UTF-8 (1 byte that is not UTF-8 read as Windows-1252)</source>
        <translation>UTF-8 (1 byte que no es UTF-8 leído como Windows-1252)</translation>
    </message>
    <message>
        <source>UTF-8 (%1 bytes that are not UTF-8 read as Windows-1252)</source>
        <translation>UTF-8 (%1 bytes que no son UTF-8 leídos como Windows-1252)</translation>
    </message>
    <message>
        <source>The file is larger than %1 MB, too large for a question file.</source>
        <translation>El archivo ocupa más de %1 MB: es demasiado grande para un archivo de preguntas.</translation>
    </message>
    <message>
        <source>The file is not a text file.</source>
        <translation>El archivo no es un archivo de texto.</translation>
    </message>
    <message>
        <source>Skipped %1: %2.</source>
        <translation>Se ha saltado %1: %2.</translation>
    </message>
    <message>
        <source>line %1 (&quot;%2&quot;)</source>
        <translation>la línea %1 («%2»)</translation>
    </message>
    <message>
        <source>its question is empty</source>
        <translation>la pregunta está vacía</translation>
    </message>
    <message>
        <source>it has an empty answer</source>
        <translation>tiene una respuesta vacía</translation>
    </message>
    <message>
        <source>it begins a text with a double quote mark</source>
        <translation>empieza un texto con comillas dobles</translation>
    </message>
    <message>
        <source>it holds an invisible control character (U+%1)</source>
        <translation>tiene un carácter de control invisible (U+%1)</translation>
    </message>
    <message>
        <source>it uses the character &quot;%1&quot;, which a worksheet cannot hold</source>
        <translation>usa el carácter «%1», que no cabe en una ficha</translation>
    </message>
    <message>
        <source>its question is longer than %1 characters</source>
        <translation>la pregunta tiene más de %1 caracteres</translation>
    </message>
    <message>
        <source>answer %1 is longer than %2 characters</source>
        <translation>la respuesta %1 tiene más de %2 caracteres</translation>
    </message>
    <message>
        <source>it is an essay question</source>
        <translation>es una pregunta de redacción</translation>
    </message>
    <message>
        <source>it is a numeric question</source>
        <translation>es una pregunta numérica</translation>
    </message>
    <message>
        <source>it is a matching question</source>
        <translation>es una pregunta de emparejar</translation>
    </message>
    <message>
        <source>it is a true/false question</source>
        <translation>es una pregunta de verdadero o falso</translation>
    </message>
    <message>
        <source>it is a short-answer question</source>
        <translation>es una pregunta de respuesta corta</translation>
    </message>
    <message>
        <source>its answers cannot be read</source>
        <translation>no se pueden leer sus respuestas</translation>
    </message>
    <message>
        <source>it gives part marks for several answers</source>
        <translation>da parte de la nota a varias respuestas</translation>
    </message>
    <message>
        <source>it has no answers</source>
        <translation>no tiene respuestas</translation>
    </message>
    <message>
        <source>it is a fill-in question</source>
        <translation>es una pregunta de rellenar huecos</translation>
    </message>
    <message>
        <source>its closing brace is missing</source>
        <translation>le falta la llave de cierre</translation>
    </message>
    <message>
        <source>it has a closing brace without an opening one</source>
        <translation>tiene una llave de cierre sin la de apertura</translation>
    </message>
    <message>
        <source>it has more than one set of answers</source>
        <translation>tiene más de un grupo de respuestas</translation>
    </message>
    <message>
        <source>its braces do not match</source>
        <translation>sus llaves no se corresponden</translation>
    </message>
    <message>
        <source>it has %1 answers, not 4</source>
        <translation>tiene %1 respuestas, no 4</translation>
    </message>
    <message>
        <source>it has no right answer</source>
        <translation>no tiene ninguna respuesta correcta</translation>
    </message>
    <message>
        <source>it has %1 right answers, not 1</source>
        <translation>tiene %1 respuestas correctas, no 1</translation>
    </message>
    <message>
        <source>it writes &quot;%1&quot; in a text that is not HTML, which a worksheet cannot hold as written</source>
        <translation>escribe «%1» en un texto que no es HTML, y una ficha no puede guardarlo así</translation>
    </message>
    <message>
        <source>two of its answers have the letter %1</source>
        <translation>dos de sus respuestas tienen la letra %1</translation>
    </message>
    <message>
        <source>its ANSWER line names none of its answers</source>
        <translation>su línea ANSWER no nombra ninguna de sus respuestas</translation>
    </message>
    <message>
        <source>it writes &quot;%1&quot;, which a worksheet cannot hold as written</source>
        <translation>escribe «%1», y una ficha no puede guardarlo así</translation>
    </message>
    <message>
        <source>it has no ANSWER line</source>
        <translation>no tiene línea ANSWER</translation>
    </message>
    <message>
        <source>it is a heading, not a question</source>
        <translation>es un título, no una pregunta</translation>
    </message>
    <message>
        <source>There is no file %1.</source>
        <translation>No existe el archivo %1.</translation>
    </message>
    <message>
        <source>%1 is not a plain file.</source>
        <translation>%1 no es un archivo normal.</translation>
    </message>
    <message>
        <source>The file cannot be opened.</source>
        <translation>No se puede abrir el archivo.</translation>
    </message>
    <message>
        <source>Question %1 has no right answer.</source>
        <translation>La pregunta %1 no tiene respuesta correcta.</translation>
    </message>
    <message>
        <source>Question %1 holds a line break, written as a space.</source>
        <translation>La pregunta %1 tiene un salto de línea; se escribe como un espacio.</translation>
    </message>
    <message>
        <source>Question %1 begins like an answer line and will not read back.</source>
        <translation>La pregunta %1 empieza como una línea de respuesta y no se podrá volver a leer.</translation>
    </message>
    <message>
        <source>Imported</source>
        <translation>Importada</translation>
    </message>
    <message>
        <source>The file holds no question that a worksheet can take.</source>
        <translation>El archivo no tiene ninguna pregunta que quepa en una ficha.</translation>
    </message>
    <message>
        <source>The file holds only %1 that a worksheet can take; a worksheet needs ten.</source>
        <translation>El archivo solo tiene %1 que quepan en una ficha; una ficha necesita diez.</translation>
    </message>
    <message>
        <source>The catalogue of worksheets cannot be read.</source>
        <translation>No se puede leer el catálogo de fichas.</translation>
    </message>
    <message>
        <source>The catalogue of worksheets is full (%1 worksheets).</source>
        <translation>El catálogo de fichas está lleno (%1 fichas).</translation>
    </message>
    <message>
        <source>The file would make %1 worksheets, but the catalogue has room for only %2 more (it holds at most %3).</source>
        <translation>El archivo daría para %1 fichas, pero en el catálogo solo caben %2 más (como máximo tiene %3).</translation>
    </message>
    <message>
        <source>Please use a title of at most %1 characters.</source>
        <translation>Usa un título de %1 caracteres como máximo.</translation>
    </message>
    <message>
        <source>There is no free title left for %1.</source>
        <translation>No queda ningún título libre para %1.</translation>
    </message>
    <message>
        <source>Made the worksheet %1 of the questions taken %2 to %3.</source>
        <translation>Hecha la ficha %1 con las preguntas %2 a %3.</translation>
    </message>
    <message>
        <source>Left over: the last %1, too few for a worksheet of ten.</source>
        <translation>Sobran las últimas %1: no llegan para una ficha de diez.</translation>
    </message>
    <message>
        <source>1 question</source>
        <translation>1 pregunta</translation>
    </message>
    <message numerus="yes">
        <source>%n questions</source>
        <translation>
            <numerusform>%n pregunta</numerusform>
            <numerusform>%n preguntas</numerusform>
        </translation>
    </message>
    <message>
        <source>The file was read as %1.</source>
        <translation>El archivo se ha leído como %1.</translation>
    </message>
    <message>
        <source>The worksheet %1 was not saved. </source>
        <translation>La ficha %1 no se ha guardado. </translation>
    </message>
    <message>
        <source>The file could not be written.</source>
        <translation>No se pudo escribir el archivo.</translation>
    </message>
</context>
<context>
    <name>ImportList</name>
    <message>
        <source>Import Ticked</source>
        <translation>Importar marcadas</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: skipped, %2</source>
        <translation>%1: se salta, %2</translation>
    </message>
    <message>
        <source>%1: %2 of %3 can go into worksheets</source>
        <translation>%1: %2 de %3 pueden ir a fichas</translation>
    </message>
    <message>
        <source>1 worksheet of ten</source>
        <translation>1 ficha de diez</translation>
    </message>
    <message>
        <source>%1 worksheets of ten</source>
        <translation>%1 fichas de diez</translation>
    </message>
    <message>
        <source>%1 ticked: nothing to import.</source>
        <translation>%1 marcadas: no hay nada que importar.</translation>
    </message>
    <message>
        <source>%1 ticked: %2.</source>
        <translation>%1 marcadas: %2.</translation>
    </message>
    <message>
        <source>%1 ticked: %2 to complete in the wizard.</source>
        <translation>%1 marcadas: %2 para completar en el asistente.</translation>
    </message>
    <message>
        <source>%1 ticked: %2, and %3 to complete in the wizard.</source>
        <translation>%1 marcadas: %2, y %3 para completar en el asistente.</translation>
    </message>
</context>
<context>
    <name>Journal</name>
    <message>
        <source>The results folder cannot be written: the disk may be full or the folder read-only.</source>
        <translation>No se puede escribir en la carpeta de resultados: puede que el disco esté lleno o que la carpeta sea de solo lectura.</translation>
    </message>
    <message>
        <source>The results file cannot be opened.</source>
        <translation>No se puede abrir el archivo de resultados.</translation>
    </message>
    <message>
        <source>These results files cannot be read: %1.</source>
        <translation>No se pueden leer estos archivos de resultados: %1.</translation>
    </message>
    <message>
        <source>The results file %1 cannot be read.</source>
        <translation>No se puede leer el archivo de resultados %1.</translation>
    </message>
    <message>
        <source>The results file %1 cannot be written. %2</source>
        <translation>No se puede escribir el archivo de resultados %1. %2</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>Teachers&apos; Guide</source>
        <translation>Guía docente</translation>
    </message>
    <message>
        <source>Introduction</source>
        <translation>Introducción</translation>
    </message>
    <message>
        <source>Galileo&apos;s Telescope</source>
        <translation>El telescopio de Galileo</translation>
    </message>
    <message>
        <source>Galileo&apos;s Experiments</source>
        <translation>Experimentos de Galileo</translation>
    </message>
    <message>
        <source>Tycho and Kepler</source>
        <translation>Tycho y Kepler</translation>
    </message>
    <message>
        <source>Kepler and the Planets</source>
        <translation>Kepler y los planetas</translation>
    </message>
    <message>
        <source>Sir Isaac Newton</source>
        <translation>Isaac Newton</translation>
    </message>
    <message>
        <source>Gravity</source>
        <translation>La gravedad</translation>
    </message>
    <message>
        <source>Magnetism</source>
        <translation>El magnetismo</translation>
    </message>
    <message>
        <source>Electricity</source>
        <translation>La electricidad</translation>
    </message>
    <message>
        <source>Michael Faraday</source>
        <translation>Michael Faraday</translation>
    </message>
    <message>
        <source>Atoms</source>
        <translation>Los átomos</translation>
    </message>
    <message>
        <source>Nuclear Forces</source>
        <translation>Fuerzas nucleares</translation>
    </message>
    <message>
        <source>Multiple Choice Wizard</source>
        <translation>Crear una ficha de test</translation>
    </message>
    <message>
        <source>Worksheet Catalogue</source>
        <translation>Catálogo de fichas</translation>
    </message>
    <message>
        <source>Acknowledgments</source>
        <translation>Agradecimientos</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Quorvel Demo</source>
        <translation>Quorvel Demo</translation>
    </message>
    <message>
        <source>Sound On</source>
        <translation>Con sonido</translation>
    </message>
    <message>
        <source>Sound Off</source>
        <translation>Sin sonido</translation>
    </message>
    <message>
        <source>Pick a topic to explore, or open the teacher area.</source>
        <translation>Elige un tema para explorar, o abre la zona del docente.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Quorvel will be in %1 from the next time it starts.</source>
        <translation>Quorvel estará en %1 a partir de la próxima vez que se abra.</translation>
    </message>
    <message>
        <source>The language could not be kept: the settings file cannot be written.</source>
        <translation>No se ha podido guardar el idioma: no se puede escribir el archivo de configuración.</translation>
    </message>
    <message>
        <source>Class Results</source>
        <translation>Resultados de la clase</translation>
    </message>
    <message>
        <source>Read to me</source>
        <translation>Léemelo</translation>
    </message>
    <message>
        <source>Read to me is on.</source>
        <translation>Te lo leo en voz alta.</translation>
    </message>
</context>
<context>
    <name>PageViewer</name>
    <message>
        <source>Page %1 of %2</source>
        <translation>Página %1 de %2</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>Printing failed: save as PDF</source>
        <translation>No se ha podido imprimir: guardar como PDF</translation>
    </message>
    <message>
        <source>No printer: save as PDF</source>
        <translation>No hay impresora: guardar como PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The file %1 already exists. Do you want to replace it?</source>
        <translation>El archivo %1 ya existe. ¿Quieres sustituirlo?</translation>
    </message>
    <message>
        <source>Your certificate has been saved as %1.</source>
        <translation>Tu diploma se ha guardado como %1.</translation>
    </message>
    <message>
        <source>Your certificate could not be saved as %1. %2</source>
        <translation>No se ha podido guardar tu diploma como %1. %2</translation>
    </message>
    <message>
        <source>Your worksheet has been saved as %1.</source>
        <translation>Tu ficha se ha guardado como %1.</translation>
    </message>
    <message>
        <source>Your worksheet could not be saved as %1. %2</source>
        <translation>No se ha podido guardar tu ficha como %1. %2</translation>
    </message>
    <message>
        <source>Your answer key has been saved as %1.</source>
        <translation>Las soluciones se han guardado como %1.</translation>
    </message>
    <message>
        <source>Your answer key could not be saved as %1. %2</source>
        <translation>No se han podido guardar las soluciones como %1. %2</translation>
    </message>
    <message>
        <source>Your page has been saved as %1.</source>
        <translation>La página se ha guardado como %1.</translation>
    </message>
    <message>
        <source>Your page could not be saved as %1. %2</source>
        <translation>No se ha podido guardar la página como %1. %2</translation>
    </message>
    <message>
        <source>There was a problem printing to your printer.</source>
        <translation>Ha habido un problema al imprimir en la impresora.</translation>
    </message>
    <message>
        <source>Well Done</source>
        <comment>the certificate&apos;s banner</comment>
        <translation>Muy bien</translation>
    </message>
    <message>
        <source>Question</source>
        <comment>before its number</comment>
        <translation>Pregunta</translation>
    </message>
    <message>
        <source>Answers</source>
        <comment>heading of the answer key</comment>
        <translation>Soluciones</translation>
    </message>
    <message>
        <source>Excellent Work</source>
        <translation>¡Excelente trabajo!</translation>
    </message>
</context>
<context>
    <name>Pupils</name>
    <message>
        <source>There is no results folder.</source>
        <translation>No hay carpeta de resultados.</translation>
    </message>
</context>
<context>
    <name>QuestionFile</name>
    <message>
        <source>The file is too large to be a question file.</source>
        <translation>El archivo es demasiado grande para ser un archivo de preguntas.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>El archivo está vacío.</translation>
    </message>
    <message>
        <source>The file ends after its title.</source>
        <translation>El archivo se acaba después del título.</translation>
    </message>
    <message>
        <source>The file ends in question %1.</source>
        <translation>El archivo se acaba en la pregunta %1.</translation>
    </message>
    <message>
        <source>Question %1 does not name its correct answer.</source>
        <translation>La pregunta %1 no dice cuál es su respuesta correcta.</translation>
    </message>
</context>
<context>
    <name>QuizScreen</name>
    <message>
        <source>Multiple Choice</source>
        <translation>Preguntas de test</translation>
    </message>
    <message>
        <source>Question %1</source>
        <translation>Pregunta %1</translation>
    </message>
    <message>
        <source>Check Score &gt;&gt;</source>
        <translation>Ver mi nota &gt;&gt;</translation>
    </message>
    <message>
        <source>Your worksheet is now printing.</source>
        <translation>Tu ficha se está imprimiendo.</translation>
    </message>
    <message>
        <source>You chose %1: %2</source>
        <translation>Has elegido la %1: %2</translation>
    </message>
</context>
<context>
    <name>ResultsScreen</name>
    <message>
        <source>Excellent work. %1</source>
        <translation>¡Excelente trabajo! %1</translation>
    </message>
    <message>
        <source>Print Certificate</source>
        <translation>Imprimir diploma</translation>
    </message>
    <message>
        <source>Good work. %1</source>
        <translation>¡Buen trabajo! %1</translation>
    </message>
    <message>
        <source>Click the button above to check which questions you answered incorrectly.</source>
        <translation>Pulsa el botón de arriba para ver qué preguntas has fallado.</translation>
    </message>
    <message>
        <source>Check Wrong Answers</source>
        <translation>Ver los fallos</translation>
    </message>
    <message>
        <source>You have scored%1 out of%2.</source>
        <translation>Has acertado%1 de%2.</translation>
    </message>
    <message>
        <source>Well Done!</source>
        <translation>¡Muy bien!</translation>
    </message>
    <message>
        <source>Enter your name in the box above before printing your certificate</source>
        <translation>Escribe tu nombre en la casilla de arriba antes de imprimir tu diploma</translation>
    </message>
    <message>
        <source>Certificate %1.pdf</source>
        <translation>Diploma %1.pdf</translation>
    </message>
    <message>
        <source>Your certificate is now printing.</source>
        <translation>Tu diploma se está imprimiendo.</translation>
    </message>
    <message>
        <source>Your result could not be kept for your teacher. </source>
        <translation>Tu resultado no se ha podido guardar para tu maestro. </translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Tu nombre</translation>
    </message>
</context>
<context>
    <name>ReviewScreen</name>
    <message>
        <source>Read the Key Facts and try again.</source>
        <translation>Lee las Ideas clave y vuelve a intentarlo.</translation>
    </message>
    <message>
        <source>You answered the following questions incorrectly.</source>
        <translation>Estas son las preguntas que has fallado.</translation>
    </message>
</context>
<context>
    <name>Saving</name>
    <message>
        <source>The disk may be full or the folder read-only.</source>
        <translation>Puede que el disco esté lleno o que la carpeta sea de solo lectura.</translation>
    </message>
    <message>
        <source>No file was named.</source>
        <translation>No se ha indicado ningún archivo.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>La carpeta %1 no existe.</translation>
    </message>
    <message>
        <source>%1 is not a plain file.</source>
        <translation>%1 no es un archivo normal.</translation>
    </message>
</context>
<context>
    <name>Screens</name>
    <message>
        <source>%1 labelling activity</source>
        <translation>%1: actividad de etiquetas</translation>
    </message>
    <message>
        <source>%1 ordering activity</source>
        <translation>%1: actividad de ordenar</translation>
    </message>
    <message>
        <source>Main menu</source>
        <translation>Menú principal</translation>
    </message>
    <message>
        <source>Quorvel: %1</source>
        <translation>Quorvel: %1</translation>
    </message>
    <message>
        <source>Welcome</source>
        <translation>Bienvenida</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>%1 quiz</source>
        <translation>%1: test</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>Questions to look at again</source>
        <translation>Preguntas para mirar otra vez</translation>
    </message>
    <message>
        <source>Class Results</source>
        <translation>Resultados de la clase</translation>
    </message>
    <message>
        <source>Acknowledgments</source>
        <translation>Agradecimientos</translation>
    </message>
    <message>
        <source>Teachers&apos; Guide</source>
        <translation>Guía docente</translation>
    </message>
    <message>
        <source>Worksheet Catalogue</source>
        <translation>Catálogo de fichas</translation>
    </message>
    <message>
        <source>Multiple Choice Wizard</source>
        <translation>Crear una ficha de test</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%2 (%1)</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>Reading aloud is not installed on this computer.</source>
        <translation>La lectura en voz alta no está instalada en este ordenador.</translation>
    </message>
    <message>
        <source>Reading aloud needs the flite voice, which is not installed on this computer.</source>
        <translation>La lectura en voz alta necesita la voz flite, que no está instalada en este ordenador.</translation>
    </message>
    <message>
        <source>The reading voice could not be started.</source>
        <translation>No se ha podido poner en marcha la voz de lectura.</translation>
    </message>
    <message>
        <source>Reading aloud in this language needs speech-dispatcher and espeak-ng, which are not installed on this computer.</source>
        <translation>La lectura en voz alta en este idioma necesita speech-dispatcher y espeak-ng, que no están instalados en este ordenador.</translation>
    </message>
    <message>
        <source>There is no reading voice for this language on this computer.</source>
        <translation>En este ordenador no hay ninguna voz de lectura para este idioma.</translation>
    </message>
</context>
<context>
    <name>TitleScreen</name>
    <message>
        <source>Quorvel Demo</source>
        <translation>Quorvel Demo</translation>
    </message>
    <message>
        <source>Written by the Quorvel science team</source>
        <translation>Escrito por el equipo de Quorvel</translation>
    </message>
    <message>
        <source>Programming by Quorvel Software</source>
        <translation>Programación: Quorvel Software</translation>
    </message>
    <message>
        <source>Series editor: Tavimor Publishing</source>
        <translation>Edición de la serie: Tavimor Publishing</translation>
    </message>
    <message>
        <source>© 2026 Tavimor Publishing Ltd • Science for ages 7 to 11</source>
        <translation>© 2026 Tavimor Publishing Ltd • Ciencias de 7 a 11 años</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>TopicHub</name>
    <message>
        <source>The questions for this topic could not be read.</source>
        <translation>No se han podido leer las preguntas de este tema.</translation>
    </message>
</context>
<context>
    <name>WaitNotice</name>
    <message>
        <source>Waiting</source>
        <translation>Esperando</translation>
    </message>
    <message>
        <source>Waiting for the catalogue of worksheets: %1 is using it.</source>
        <translation>Esperando al catálogo de fichas: lo está usando %1.</translation>
    </message>
</context>
<context>
    <name>WhoIsPlaying</name>
    <message>
        <source>Who is playing?</source>
        <translation>¿Quién juega?</translation>
    </message>
    <message>
        <source>Who is playing? Type your first name, or pick it from the list, so that your teacher sees your results.</source>
        <translation>¿Quién juega? Escribe tu nombre o elígelo de la lista. Así tu maestro verá tus resultados.</translation>
    </message>
    <message>
        <source>Your first name</source>
        <translation>Tu nombre</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Jugar</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Saltar</translation>
    </message>
    <message>
        <source>Plays under the name typed; results are kept.</source>
        <translation>Juega con el nombre escrito; se guardan los resultados.</translation>
    </message>
    <message>
        <source>Plays as a guest; results are not kept.</source>
        <translation>Juega como invitado; no se guardan los resultados.</translation>
    </message>
</context>
<context>
    <name>WorksheetCatalogue</name>
    <message>
        <source>Worksheets Catalogue</source>
        <translation>Catálogo de fichas</translation>
    </message>
    <message>
        <source>Edit Worksheet</source>
        <translation>Editar ficha</translation>
    </message>
    <message>
        <source>Delete Worksheet</source>
        <translation>Borrar ficha</translation>
    </message>
    <message>
        <source>Export Worksheet</source>
        <translation>Exportar ficha</translation>
    </message>
    <message>
        <source>Print Answer Key</source>
        <translation>Imprimir soluciones</translation>
    </message>
    <message>
        <source>Import Worksheets</source>
        <translation>Importar fichas</translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation>Página %1</translation>
    </message>
    <message>
        <source>GIFT files (*.gift);;Aiken files (*.txt)</source>
        <translation>Archivos GIFT (*.gift);;Archivos Aiken (*.txt)</translation>
    </message>
    <message>
        <source>The worksheet could not be exported to %1. %2</source>
        <translation>No se ha podido exportar la ficha a %1. %2</translation>
    </message>
    <message>
        <source>The worksheet %1 has been exported to %2.</source>
        <translation>La ficha %1 se ha exportado a %2.</translation>
    </message>
    <message>
        <source>%1 answers.pdf</source>
        <translation>%1 soluciones.pdf</translation>
    </message>
    <message>
        <source>The answer key is now printing.</source>
        <translation>Las soluciones se están imprimiendo.</translation>
    </message>
    <message>
        <source>GIFT or Aiken files (*.gift *.txt);;All files (*)</source>
        <translation>Archivos GIFT o Aiken (*.gift *.txt);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Nothing was imported. %1</source>
        <translation>No se ha importado nada. %1</translation>
    </message>
    <message>
        <source>Imported the worksheet %1.</source>
        <translation>Se ha importado la ficha %1.</translation>
    </message>
    <message>
        <source>Imported %1 worksheets: %2.</source>
        <translation>Se han importado %1 fichas: %2.</translation>
    </message>
    <message>
        <source>The import stopped: %1</source>
        <translation>La importación se ha detenido: %1</translation>
    </message>
    <message>
        <source>The wizard now holds the last %1: complete the worksheet, give it a title and save it.</source>
        <translation>El asistente tiene ahora las últimas %1: completa la ficha, ponle un título y guárdala.</translation>
    </message>
    <message>
        <source>This worksheet seems to be corrupted.</source>
        <translation>Parece que esta ficha está dañada.</translation>
    </message>
    <message>
        <source>Are you sure that you want to delete the worksheet %1?</source>
        <translation>¿Seguro que quieres borrar la ficha %1?</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Pantalla completa</translation>
    </message>
    <message>
        <source>High Contrast</source>
        <translation>Alto contraste</translation>
    </message>
</context>
<context>
    <name>WorksheetWizard</name>
    <message>
        <source>You have not chosen a title for your worksheet</source>
        <translation>Todavía no has puesto un título a tu ficha</translation>
    </message>
    <message>
        <source>Please do not begin or end the title with a space.</source>
        <translation>El título no puede empezar ni acabar con un espacio.</translation>
    </message>
    <message>
        <source>That title is used by one of the program&apos;s own quizzes. Please choose another title.</source>
        <translation>Ese título lo usa uno de los test del programa. Elige otro título.</translation>
    </message>
    <message>
        <source>The character &quot;%1&quot; cannot be saved in a worksheet. Please write it another way in Question %2</source>
        <translation>El carácter «%1» no se puede guardar en una ficha. Escríbelo de otra forma en la pregunta %2</translation>
    </message>
    <message>
        <source>The title cannot contain the sign %1. These signs cannot be used in a title: &lt; &gt; : &quot; / \ | ? * , &amp;</source>
        <translation>El título no puede tener el signo %1. Estos signos no se pueden usar en un título: &lt; &gt; : &quot; / \ | ? * , &amp;</translation>
    </message>
    <message>
        <source>The title cannot contain tabs, line breaks or other invisible characters.</source>
        <translation>El título no puede tener tabuladores, saltos de línea ni otros caracteres invisibles.</translation>
    </message>
    <message>
        <source>The title cannot begin or end with a full stop, or have two full stops together.</source>
        <translation>El título no puede empezar ni acabar en punto, ni tener dos puntos seguidos.</translation>
    </message>
    <message>
        <source>The computer keeps %1 as a name of its own. Please choose another title.</source>
        <translation>El ordenador reserva %1 como nombre propio. Elige otro título.</translation>
    </message>
    <message>
        <source>There is already a worksheet called %1. Please type its title exactly the same, or choose another title.</source>
        <translation>Ya hay una ficha que se llama %1. Escribe su título exactamente igual o elige otro título.</translation>
    </message>
    <message>
        <source>Multiple Choice Wizard</source>
        <translation>Crear una ficha de test</translation>
    </message>
    <message>
        <source>Worksheet Title</source>
        <translation>Título de la ficha</translation>
    </message>
    <message>
        <source>Question %1</source>
        <translation>Pregunta %1</translation>
    </message>
    <message>
        <source>Your changes to this worksheet have not been saved. Leave the wizard and lose them?</source>
        <translation>Los cambios de esta ficha no se han guardado. ¿Quieres salir del asistente y perderlos?</translation>
    </message>
    <message>
        <source>Your worksheet has been saved.</source>
        <translation>Tu ficha se ha guardado.</translation>
    </message>
    <message>
        <source>Your worksheet has been saved.

%1</source>
        <translation>Tu ficha se ha guardado.

%1</translation>
    </message>
    <message>
        <source>There was a problem saving your worksheet

%1</source>
        <translation>Ha habido un problema al guardar tu ficha

%1</translation>
    </message>
    <message>
        <source>You have not completed Question %1</source>
        <translation>No has completado la pregunta %1</translation>
    </message>
    <message>
        <source>You have not ticked the correct answer for Question %1</source>
        <translation>No has marcado la respuesta correcta de la pregunta %1</translation>
    </message>
    <message>
        <source>You have ticked more than one correct answer for Question %1</source>
        <translation>Has marcado más de una respuesta correcta en la pregunta %1</translation>
    </message>
    <message>
        <source>Please do not begin a question or an answer with a double quote mark in Question %1</source>
        <translation>No empieces una pregunta ni una respuesta con comillas dobles en la pregunta %1</translation>
    </message>
    <message>
        <source>Worksheet title</source>
        <translation>Título de la ficha</translation>
    </message>
    <message>
        <source>%1, answer %2</source>
        <translation>%1, respuesta %2</translation>
    </message>
    <message>
        <source> is right</source>
        <translation> es la correcta</translation>
    </message>
</context>
</TS>
