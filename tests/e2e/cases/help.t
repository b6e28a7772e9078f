# kalendrahelp's usage, and the shell asking the plug-in for usage and help
# (its version line is on its help page). Showing a page is each system's
# own: tests/help/ shows both.

$ torvane -c "kalendrahelp /?" -c "echo end"
  Open this plugin's help file.
  
  KALENDRAHELP [topic]
  
  If no topic is specified, the Overview page will be  
  opened by default.
  end

$ torvane -c "usage QCAL"
  QCAL [date | [month] [year]] [/3 /D /E /H[:date[,date...]] /I /P /W:n /Y]
  
  	/3  three months	/I    ISO week numbers
  	/D  disable color	/P    pause
  	/E  English names	/W:n  day on left (1 = Monday)
  	/H  show holidays	/Y    full year
  
  The date may be entered in any format supported by this plugin, including
  ISO week-day and ordinal formats, day numbers, and T format.  To specify  
  a date using its day number, prefix a + or - sign; otherwise it may be
  misinterpreted as a month or year.

$ torvane -c "usage longyears"
  LONGYEARS [OFF | ON | STRICT]
  
  	OFF:	output two-digit years in formats 0-3 (default)
  	ON:	output four-digit years in formats 0-3
  	STRICT:	also require four-digit years in all input dates  

$ torvane -c "usage @date"
! torvane: No usage for "@date"
[1]

$ torvane -c "help @nosuch"
! torvane: No help for "@nosuch"
[1]
