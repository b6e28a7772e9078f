# qcal through the shell. Output to a pipe has no colours and no pauses, so
# the marks stand for the highlight (" * ") and holidays (" + ").

# Months of every kind against Python's calendar module (qcal_oracle.py
# beside this file): each weekday on the left, with and without week
# numbers, the edges of the calendar among them.
$ n=0; bad=0
> for spec in "1601 1 1 1" "1601 3 31 0" "2015 2 1 0" "2015 2 28 1" "2015 12 11 6" "2016 2 29 3" "2020 8 31 0" "2021 1 3 5" "9999 12 31 1" "9999 11 30 4" "2026 12 7 2" "1752 9 14 0"; do
>   set -- $spec
>   for weeks in "" "/I"; do
>     got=$(torvane -c "qcal /D /E $weeks /W:$4 $1-$(printf %02d $2)-$(printf %02d $3)" | tr -d '\r')
>     want=$(python3 "$E2E_CASES/qcal_oracle.py" $1 $2 $4 $3 ${weeks:+--weeks})
>     n=$((n + 1)); [ "$got" = "$want" ] || { bad=$((bad + 1)); echo "differs: $spec $weeks"; }
>   done
> done; echo "$n months, $bad differ"
  24 months, 0 differ

# The locale's names: German months and weekdays, Monday on the left.
$ LANG=de_DE.UTF-8 torvane -c "qcal /D 2015-12-11" | tr -d '\r' | sed -n '2p;4p'
     Dezember 2015       
  Mo Di Mi Do Fr Sa So   
$ LANG=de_DE.UTF-8 torvane -c "qcal /D /E mär 2016" | tr -d '\r' | sed -n '2p;4p'
       March 2016        
  Mo Tu We Th Fr Sa Su   

# Output to a pipe carries no escape codes.
$ torvane -c "qcal /3 /I" | grep -c $'\e' || true
  0

# /ZZ saves the colours of the current background as ten bytes: in the
# registry under Wine, in the settings file natively; the next load reads
# them back.
$ export XDG_CONFIG_HOME="$E2E_DIR/config"; torvane -c "qcal /ZZ70C00C1703 /D" > /dev/null
> if [ -n "$TORVANE_RUN" ]; then
>   $TORVANE_RUN reg query 'HKCU\Software\QuorraPlugins\KALENDRA' /v 'Qcal default colors 0' | tr -d '\r' | grep REG_BINARY | awk '{print $NF}'
>   $TORVANE_RUN reg delete 'HKCU\Software\QuorraPlugins\KALENDRA' /f > /dev/null 2>&1
> else
>   sed -n 's/^Qcal default colors 0=//p' "$XDG_CONFIG_HOME/kalendra/settings"
> fi
  70C00C17030000000000
