# kalendrahelp's usage, and the shell asking the plug-in for usage and help
# (its version line is on its help page). Showing a page is each system's
# own: tests/help/ shows both.

$ torvane -c "kalendrahelp /?" -c "echo end"
  Open this plugin's help file.
  
  KALENDRAHELP [topic]
  
  If no topic is specified, the Overview page will be  
  opened by default.
  end

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
