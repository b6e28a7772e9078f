# The user's locale: names, date order and separator, and the system's long
# and short dates. Expectations for locale-formatted text come from the
# platform's own locale services at run time (locale_probe), never from
# memory, because each system carries its own locale data.

$ export LC_ALL=de_DE.UTF-8 LANG=de_DE.UTF-8
> probe() { $TORVANE_RUN "$TORVANE_BIN/locale_probe" "$@" | tr -d '\r'; }
> torvane -c "echo %@dateconv[2015-03-07,4,32]|%@dateconv[2015-03-07,4,33]|%@idowf[2015-03-07]|%@monthname[3,2]" | tr -d '\r' > got
> echo "$(probe long 2015 3 7 6)|$(probe short 2015 3 7 6)|$(probe weekday 6)|$(probe month 3)" > want
> diff want got && echo "as the system writes it"
  as the system writes it

# German: day-month-year, "." between the parts, German names.
$ LC_ALL=de_DE.UTF-8 LANG=de_DE.UTF-8 torvane -c "echo %@dateconv[2015-03-07,4,0] %@dateplus[7.3.2015,0] %@date[07.03.2015] %@idowf[2015-03-07] %@monthname[3,2]"
  07.03.15 07.03.2015 12849 Samstag März

# British English: day-month-year with "/".
$ LC_ALL=en_GB.UTF-8 LANG=en_GB.UTF-8 torvane -c "echo %@dateconv[2015-03-07,4,0] %@dateplus[7/3/2015,1] %@idow[2015-03-07]"
  07/03/15 08/03/2015 Sat

$ export LC_ALL=en_GB.UTF-8 LANG=en_GB.UTF-8
> probe() { $TORVANE_RUN "$TORVANE_BIN/locale_probe" "$@" | tr -d '\r'; }
> torvane -c "echo %@dateconv[2015-03-07,4,32]|%@dateconv[2015-03-07,4,33]" | tr -d '\r' > got
> echo "$(probe long 2015 3 7 6)|$(probe short 2015 3 7 6)" > want
> diff want got && echo "as the system writes it"
  as the system writes it

# US English: month-day-year.
$ LC_ALL=en_US.UTF-8 LANG=en_US.UTF-8 torvane -c "echo %@dateconv[2015-03-07,4,0] %@dateplus[3/7/2015,1] %@monthname[3,3]"
  03/07/15 03/08/2015 Mar
