# @filestamp on real files whose stamps the case sets. UTC is the stamp as
# stored; local time follows the file system (stamp_oracle.py beside this
# file says what each rule gives, by Python's own zone rules).

$ touch -m -d "2015-07-01 12:00:05 UTC" f.txt; touch -a -d "2015-12-11 14:30:05 UTC" f.txt
> torvane -c "echo %@filestamp[f.txt,u] %@filestamp[f.txt,U,276] %@filestamp[f.txt,au] %@filestamp[f.txt,u,,1] %@filestamp[f.txt,SuS] %@filestamp[f.txt,wu,20,3]"
  2015-07-01@12:00:05Z 20150701120005Z 2015-12-11@14:30:05Z 2015-07-01T12:00:05Z 2015-07-01@12:00:05Z 20150701T12:00:05Z

# Local time in a zone without saving, whatever the file system.
$ touch -m -d "2015-07-01 12:00:05 UTC" f.txt; TZ=Asia/Kolkata torvane -c "echo %@filestamp[f.txt] %@filestamp[f.txt,b] %@filestamp[f.txt,l,276]"
  2015-07-01@17:30:05 2015-07-01@17:30:05 20150701173005

# In a zone with saving, a file written in summer: B takes the offset in
# force now, L that of the file system's rule.
$ touch -m -d "2015-07-01 12:00:05 UTC" f.txt; touch -a -d "2015-12-11 14:30:05 UTC" f.txt
> TZ=Europe/Berlin torvane -c "echo %@filestamp[f.txt,b] / %@filestamp[f.txt] / %@filestamp[f.txt,sa] / %@filestamp[f.txt,ab]"
  {{sh TZ=Europe/Berlin python3 $E2E_CASES/stamp_oracle.py f.txt WB}} / {{sh TZ=Europe/Berlin python3 $E2E_CASES/stamp_oracle.py f.txt WL}} / {{sh TZ=Europe/Berlin python3 $E2E_CASES/stamp_oracle.py f.txt AL}} / {{sh TZ=Europe/Berlin python3 $E2E_CASES/stamp_oracle.py f.txt AB}}

# A file just made was created today; quoted names may hold spaces.
$ touch "my file.txt"; got=$(torvane -c "echo %@filestamp[\"my file.txt\",cu]" | tr -d '\r')
> [[ $got == $(date -u +%F)@*Z ]] && echo "created today"
  created today

# The message quotes the name as given, not its full path; the "?" of the
# long-path prefix is no wildcard.
$ torvane -c "echo %@filestamp[nothing.txt]"
! KALENDRA plugin: File not found "nothing.txt"
[1]
# Under Wine, the same file by its long-path name (\\?\Z:\...); POSIX
# has no such prefix and takes the plain full path.
$ touch -m -d "2015-07-01 12:00:05 UTC" f.txt
> if [ -n "$TORVANE_RUN" ]; then name="\\\\?\\Z:$(echo "$E2E_DIR" | tr / '\\')\\f.txt"; else name="$E2E_DIR/f.txt"; fi
> torvane -c "echo %@filestamp[$name,u]"
  2015-07-01@12:00:05Z
