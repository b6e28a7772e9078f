# The torvane shell itself: its built-ins, expansion, exit status and batch
# files, with and without the plug-in.

$ torvane -c "echo %@eval[2*(3+4)] %@comma[1234567] %@if[plugin kalendra,yes,no] %@path[/a/b/c.txt]"
  14 1,234,567 yes /a/b/

$ torvane --no-plugins -c "echo %@if[plugin KALENDRA,yes,no] [%_isoweek]"
  no []

# Variables set by one line are seen by the next; %% is a percent sign.
$ torvane -c "set X=5" -c "echo %X %[X]x 100%%"
  5 5x 100%

# A failed line does not stop the following ones; the exit status is that
# of the last line.
$ torvane -c "echo %@eval[1/0]" -c "frob" -c "echo still here"
  still here
! torvane: Division by zero in "1/0"
! torvane: Unknown command "frob"
$ torvane -c "echo first" -c "frob"
  first
! torvane: Unknown command "frob"
[1]
$ torvane -c "echo first" -c "echo %@dateplus[x]"
  first
! KALENDRA plugin: Invalid date "x"
[1]

$ torvane -c "exit 3"
[3]

# A batch file runs line by line; a failing line does not end it.
$ printf 'echo line %%_batchline\r\nfrob\r\necho line %%_batchline\r\n' > run.btm; torvane run.btm
  line 1
  line 3
! torvane: Unknown command "frob"
$ printf 'echo line %%_batchline\r\nfrob\r\n' > run.btm; torvane run.btm
  line 1
! torvane: Unknown command "frob"
[1]

# A batch run is transient: its output is exactly that of its commands, with
# no load message, so it can go straight into a file.
$ printf 'echo %%@dateplus[2015-12-25,7,4]\r\necho %%_transient\r\n' > conv.btm; torvane conv.btm > out.txt; echo "status $?"; cat out.txt
  status 0
  2016-01-01
  1

# Options: help, version, and a usage line with status 2 for anything else.
$ torvane --help | head -1
  Usage: torvane [--no-plugins] [-c LINE]...
$ torvane --version
  torvane 1.5.3
$ torvane --frobnicate > /dev/null
! torvane: Unknown option "--frobnicate"
! Usage: torvane [--no-plugins] [-c LINE]...
!        torvane [--no-plugins] FILE [ARGS...]
!        torvane --help | --version
! Without -c or FILE, reads command lines from standard input.
[2]

# The shell's limits: each is a clear message and a failed line, never a
# silent cut.
$ torvane -c "echo $(printf '%%[%.0s' $(seq 200))x$(printf ']%.0s' $(seq 200))"
! torvane: Expansion nested too deeply
[1]
$ python3 -c "print('echo %@dateplus[' + 'x' * 9000 + ']', end='\r\n')" > args.btm; torvane args.btm
! torvane: The text for "@dateplus" is longer than 8191 characters
[1]
$ python3 -c "print('echo ' + 'y' * 70000, end='\r\n'); print('echo after', end='\r\n')" > long.btm; torvane long.btm
  after
! torvane: Line 1 of "{{path long.btm}}" is longer than 65535 characters; not run
$ printf 'echo a\r\n\001\000\002\r\necho b\r\n' > binary.btm; torvane binary.btm
  a
! torvane: "{{path binary.btm}}" is not a text file: line 2 holds a zero byte
[1]
$ mkdir folder; torvane folder
! torvane: Cannot open batch file "folder"
[1]
