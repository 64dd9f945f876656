<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en_US">
<context>
    <name>StringTable</name>
    <message>
        <source> Number=</source>
        <comment>0</comment>
        <translation> Nummer=</translation>
    </message>
    <message>
        <source> along the X axis and each node shows how many messages it received and how many messages it delivered.  Outbound messages are those that go from Veyra to Keldan nodes and inbound messages are those that travel from Keldan nodes back to Veyra.  You can select to see information about specific Veyra and Keldan nodes and choose a time range if you like.  Selecting a specific Veyra node and all Keldan nodes, for instance, can be useful for determining which nodes a Veyra box is communicating with most heavily.  The summary report shows the same information which can be saved to a CSV file.</source>
        <comment>1</comment>
        <translation> entlang der X-Achse beschriftet, und für jeden Knoten ist zu sehen, wie viele Nachrichten er empfangen und wie viele er zugestellt hat.  Ausgehende Nachrichten gehen von Veyra- zu Keldan-Knoten, eingehende Nachrichten gelangen von Keldan-Knoten zurück zu Veyra.  Sie können Angaben zu bestimmten Veyra- und Keldan-Knoten wählen und auf Wunsch einen Zeitraum festlegen.  Wählen Sie zum Beispiel einen bestimmten Veyra-Knoten und alle Keldan-Knoten, sehen Sie, mit welchen Knoten ein Veyra-System am meisten Verkehr hat.  Die Übersicht zeigt dieselben Angaben und kann als CSV-Datei gespeichert werden.</translation>
    </message>
    <message>
        <source> or </source>
        <comment>2</comment>
        <translation> oder </translation>
    </message>
    <message>
        <source> to </source>
        <comment>3</comment>
        <translation> bis </translation>
    </message>
    <message>
        <source>&amp;File</source>
        <comment>4</comment>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <comment>5</comment>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>About</source>
        <comment>6</comment>
        <translation>Info</translation>
    </message>
    <message>
        <source>Varnel Traffic Analyzer</source>
        <comment>7</comment>
        <translation>Varnel Traffic Analyzer</translation>
    </message>
    <message>
        <source>Varnel Traffic Report Failure</source>
        <comment>8</comment>
        <translation>Fehler im Varnel-Verkehrsbericht</translation>
    </message>
    <message>
        <source>Browse...</source>
        <comment>9</comment>
        <translation>Durchsuchen...</translation>
    </message>
    <message>
        <source>Change Language</source>
        <comment>10</comment>
        <translation>Sprache ändern</translation>
    </message>
    <message>
        <source>Copyright (C) 2004-2026 Dravon Software</source>
        <comment>11</comment>
        <translation>Copyright (C) 2004-2026 Dravon Software</translation>
    </message>
    <message>
        <source>Distributed under the GNU General Public License, version 3 or later.</source>
        <comment>12</comment>
        <translation>Verbreitet unter der GNU General Public License, Version 3 oder später.</translation>
    </message>
    <message>
        <source>Crunching database...</source>
        <comment>13</comment>
        <translation>Datenbank wird ausgewertet...</translation>
    </message>
    <message>
        <source>Data logs folder:</source>
        <comment>14</comment>
        <translation>Ordner der Diagnoseprotokolle:</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <comment>15</comment>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Error in ClearDatabases: </source>
        <comment>16</comment>
        <translation>Fehler in ClearDatabases: </translation>
    </message>
    <message>
        <source>Error in FormLoad routine: </source>
        <comment>17</comment>
        <translation>Fehler in der Routine FormLoad: </translation>
    </message>
    <message>
        <source>Error in ParseLogFile routine: </source>
        <comment>18</comment>
        <translation>Fehler in der Routine ParseLogFile: </translation>
    </message>
    <message>
        <source>Error in ParseLogFile routing - unknown call log type encountered</source>
        <comment>19</comment>
        <translation>Fehler in der Routine ParseLogFile - unbekannter Anrufprotokolltyp gefunden</translation>
    </message>
    <message>
        <source>Error in PrintChart routine: </source>
        <comment>20</comment>
        <translation>Fehler in der Routine PrintChart: </translation>
    </message>
    <message>
        <source>Error in cmdParseLogs: </source>
        <comment>21</comment>
        <translation>Fehler in cmdParseLogs: </translation>
    </message>
    <message>
        <source>Error in form Load procedure for frmCallTraffic form: </source>
        <comment>22</comment>
        <translation>Fehler beim Laden des Fensters frmCallTraffic: </translation>
    </message>
    <message>
        <source>Error in form Load procedure for frmMessageLatency form: </source>
        <comment>23</comment>
        <translation>Fehler beim Laden des Fensters frmMessageLatency: </translation>
    </message>
    <message>
        <source>Error in frmMessageQueueActivity form Load routine: </source>
        <comment>24</comment>
        <translation>Fehler beim Laden des Fensters frmMessageQueueActivity: </translation>
    </message>
    <message>
        <source>Error in frmPortAvailability form Load routine: </source>
        <comment>25</comment>
        <translation>Fehler beim Laden des Fensters frmPortAvailability: </translation>
    </message>
    <message>
        <source>Error in mnuZoom function:</source>
        <comment>26</comment>
        <translation>Fehler in der Funktion mnuZoom:</translation>
    </message>
    <message>
        <source>Exit</source>
        <comment>27</comment>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Exiting application...</source>
        <comment>28</comment>
        <translation>Programm wird beendet...</translation>
    </message>
    <message>
        <source>File</source>
        <comment>29</comment>
        <translation>Datei</translation>
    </message>
    <message>
        <source>From </source>
        <comment>30</comment>
        <translation>Von </translation>
    </message>
    <message>
        <source>Generate Report From:</source>
        <comment>31</comment>
        <translation>Bericht erstellen aus:</translation>
    </message>
    <message>
        <source>Help</source>
        <comment>32</comment>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Hour, Max Inbound Messages, Max Inbound Queue Size (MB), Max Outbound Messages, Max Outbound Queue Size (MB)</source>
        <comment>33</comment>
        <translation>Stunde, Max. eingehende Nachrichten, Max. eingehende Warteschlange (MB), Max. ausgehende Nachrichten, Max. ausgehende Warteschlange (MB)</translation>
    </message>
    <message>
        <source>Hour, Max ports in use, Minimum ports available to take calls</source>
        <comment>34</comment>
        <translation>Stunde, Max. belegte Ports, Min. freie Ports für Anrufe</translation>
    </message>
    <message>
        <source>Inbound Calls=</source>
        <comment>35</comment>
        <translation>Eingehende Anrufe=</translation>
    </message>
    <message>
        <source>Inbound Message Queue (to Veyra)</source>
        <comment>36</comment>
        <translation>Eingehende Warteschlange (zu Veyra)</translation>
    </message>
    <message>
        <source>Inbound Message Size (MB)</source>
        <comment>37</comment>
        <translation>Größe eingehender Nachrichten (MB)</translation>
    </message>
    <message>
        <source>Inbound Messages</source>
        <comment>38</comment>
        <translation>Eingehende Nachrichten</translation>
    </message>
    <message>
        <source>Inbound Messages Delivered=</source>
        <comment>39</comment>
        <translation>Zugestellte eingehende Nachrichten=</translation>
    </message>
    <message>
        <source>Include Data In Chart</source>
        <comment>40</comment>
        <translation>Daten im Diagramm zeigen</translation>
    </message>
    <message>
        <source>Limit report data to messages involving these specific nodes:</source>
        <comment>41</comment>
        <translation>Berichtsdaten auf Nachrichten zwischen diesen Knoten beschränken:</translation>
    </message>
    <message>
        <source>Load Data</source>
        <comment>42</comment>
        <translation>Daten laden</translation>
    </message>
    <message>
        <source>Loading chart points...</source>
        <comment>43</comment>
        <translation>Diagrammpunkte werden geladen...</translation>
    </message>
    <message>
        <source>Max Inbound Messages</source>
        <comment>44</comment>
        <translation>Max. eingehende Nachrichten</translation>
    </message>
    <message>
        <source>Max Inbound Queue Size (MB)</source>
        <comment>45</comment>
        <translation>Max. eingehende Warteschlange (MB)</translation>
    </message>
    <message>
        <source>Max Outbound Messages</source>
        <comment>46</comment>
        <translation>Max. ausgehende Nachrichten</translation>
    </message>
    <message>
        <source>Max Outbound Queue Size (MB)</source>
        <comment>47</comment>
        <translation>Max. ausgehende Warteschlange (MB)</translation>
    </message>
    <message>
        <source>Maximum Ports In Use</source>
        <comment>48</comment>
        <translation>Höchstzahl belegter Ports</translation>
    </message>
    <message>
        <source>Message Count</source>
        <comment>49</comment>
        <translation>Anzahl der Nachrichten</translation>
    </message>
    <message>
        <source>Message GUID, Time Delivered, Seconds in Queue, Veyra Node ID, Keldan Node ID</source>
        <comment>50</comment>
        <translation>Nachrichten-GUID, Zustellzeit, Sekunden in der Warteschlange, Veyra-Knoten-ID, Keldan-Knoten-ID</translation>
    </message>
    <message>
        <source>Message GUID, Time, Keldan Node, Veyra Node</source>
        <comment>51</comment>
        <translation>Nachrichten-GUID, Zeit, Keldan-Knoten, Veyra-Knoten</translation>
    </message>
    <message>
        <source>Message Latency</source>
        <comment>52</comment>
        <translation>Nachrichtenlatenz</translation>
    </message>
    <message>
        <source>Message Latency Summary</source>
        <comment>53</comment>
        <translation>Übersicht Nachrichtenlatenz</translation>
    </message>
    <message>
        <source>Message Queue Activity</source>
        <comment>54</comment>
        <translation>Warteschlangenaktivität</translation>
    </message>
    <message>
        <source>Message Queue Activity Summary</source>
        <comment>55</comment>
        <translation>Übersicht Warteschlangenaktivität</translation>
    </message>
    <message>
        <source>Message Queue Activity for </source>
        <comment>56</comment>
        <translation>Warteschlangenaktivität vom </translation>
    </message>
    <message>
        <source>Message Queue Latency Report for </source>
        <comment>57</comment>
        <translation>Bericht Warteschlangenlatenz vom </translation>
    </message>
    <message>
        <source>Message Size (MB)</source>
        <comment>58</comment>
        <translation>Nachrichtengröße (MB)</translation>
    </message>
    <message>
        <source>Minimum Ports Available To Take Calls</source>
        <comment>59</comment>
        <translation>Mindestzahl freier Ports für Anrufe</translation>
    </message>
    <message>
        <source>More than 1,000,000 lines read in log file.  Too many to process.</source>
        <comment>60</comment>
        <translation>Mehr als 1.000.000 Zeilen in der Protokolldatei gelesen.  Zu viele für die Verarbeitung.</translation>
    </message>
    <message>
        <source>No Veyra Varnel traffic data found in selected logs!</source>
        <comment>61</comment>
        <translation>Keine Veyra-Varnel-Verkehrsdaten in den gewählten Protokollen gefunden!</translation>
    </message>
    <message>
        <source>No Zoom</source>
        <comment>62</comment>
        <translation>Kein Zoom</translation>
    </message>
    <message>
        <source>No call activity found in log!</source>
        <comment>63</comment>
        <translation>Keine Anrufaktivität im Protokoll gefunden!</translation>
    </message>
    <message>
        <source>No data found in Node Traffic database</source>
        <comment>64</comment>
        <translation>Keine Daten in der Knotenverkehrsdatenbank gefunden</translation>
    </message>
    <message>
        <source>No languages loaded</source>
        <comment>65</comment>
        <translation>Keine Sprachen geladen</translation>
    </message>
    <message>
        <source>No message traffic data found in selected logs!</source>
        <comment>66</comment>
        <translation>Keine Nachrichtenverkehrsdaten in den gewählten Protokollen gefunden!</translation>
    </message>
    <message>
        <source>No message traffic data found.</source>
        <comment>67</comment>
        <translation>Keine Nachrichtenverkehrsdaten gefunden.</translation>
    </message>
    <message>
        <source>No message traffic found.</source>
        <comment>68</comment>
        <translation>Kein Nachrichtenverkehr gefunden.</translation>
    </message>
    <message>
        <source>No valid diagnostic files found in that directory...</source>
        <comment>69</comment>
        <translation>In diesem Ordner wurden keine gültigen Diagnosedateien gefunden...</translation>
    </message>
    <message>
        <source>Node ID</source>
        <comment>70</comment>
        <translation>Knoten-ID</translation>
    </message>
    <message>
        <source>Node Message Traffic</source>
        <comment>71</comment>
        <translation>Nachrichtenverkehr je Knoten</translation>
    </message>
    <message>
        <source>Node Traffic</source>
        <comment>72</comment>
        <translation>Knotenverkehr</translation>
    </message>
    <message>
        <source>Node Traffic Report for </source>
        <comment>73</comment>
        <translation>Knotenverkehrsbericht vom </translation>
    </message>
    <message>
        <source>Node Traffic Summary</source>
        <comment>74</comment>
        <translation>Übersicht Knotenverkehr</translation>
    </message>
    <message>
        <source>Node Type</source>
        <comment>75</comment>
        <translation>Knotentyp</translation>
    </message>
    <message>
        <source>Node Type, Node ID, Inbound Messages, Inbound Message Size (MB), Outbound Messages, Outbound Message Size (MB)</source>
        <comment>76</comment>
        <translation>Knotentyp, Knoten-ID, Eingehende Nachrichten, Größe eingehender Nachrichten (MB), Ausgehende Nachrichten, Größe ausgehender Nachrichten (MB)</translation>
    </message>
    <message>
        <source>OK</source>
        <comment>77</comment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Keldan</source>
        <comment>78</comment>
        <translation>Keldan</translation>
    </message>
    <message>
        <source>Keldan Nodes</source>
        <comment>79</comment>
        <translation>Keldan-Knoten</translation>
    </message>
    <message>
        <source>Outbound Calls=</source>
        <comment>80</comment>
        <translation>Ausgehende Anrufe=</translation>
    </message>
    <message>
        <source>Outbound Message Queue (to Keldan)</source>
        <comment>81</comment>
        <translation>Ausgehende Warteschlange (zu Keldan)</translation>
    </message>
    <message>
        <source>Outbound Message Size (MB)</source>
        <comment>82</comment>
        <translation>Größe ausgehender Nachrichten (MB)</translation>
    </message>
    <message>
        <source>Outbound Messages</source>
        <comment>83</comment>
        <translation>Ausgehende Nachrichten</translation>
    </message>
    <message>
        <source>Outbound Messages Delivered=</source>
        <comment>84</comment>
        <translation>Zugestellte ausgehende Nachrichten=</translation>
    </message>
    <message>
        <source>Parsing log file: </source>
        <comment>85</comment>
        <translation>Protokolldatei wird gelesen: </translation>
    </message>
    <message>
        <source>Port Availability</source>
        <comment>86</comment>
        <translation>Portverfügbarkeit</translation>
    </message>
    <message>
        <source>Port Availability Report</source>
        <comment>87</comment>
        <translation>Bericht Portverfügbarkeit</translation>
    </message>
    <message>
        <source>Port Availability Report for </source>
        <comment>88</comment>
        <translation>Portverfügbarkeit vom </translation>
    </message>
    <message>
        <source>Port Availability Summary Information</source>
        <comment>89</comment>
        <translation>Übersicht Portverfügbarkeit</translation>
    </message>
    <message>
        <source>Ports available to take calls</source>
        <comment>90</comment>
        <translation>Für Anrufe freie Ports</translation>
    </message>
    <message>
        <source>Ports currently busy</source>
        <comment>91</comment>
        <translation>Derzeit belegte Ports</translation>
    </message>
    <message>
        <source>Print Chart</source>
        <comment>92</comment>
        <translation>Diagramm drucken</translation>
    </message>
    <message>
        <source>Queue Size (MB)</source>
        <comment>93</comment>
        <translation>Warteschlangengröße (MB)</translation>
    </message>
    <message>
        <source>Run Report</source>
        <comment>94</comment>
        <translation>Bericht erstellen</translation>
    </message>
    <message>
        <source>Dravon Software</source>
        <comment>95</comment>
        <translation>Dravon Software</translation>
    </message>
    <message>
        <source>Save Chart to Bitmap</source>
        <comment>96</comment>
        <translation>Diagramm als Bitmap speichern</translation>
    </message>
    <message>
        <source>Save Database</source>
        <comment>97</comment>
        <translation>Datenbank speichern</translation>
    </message>
    <message>
        <source>Save as CSV file</source>
        <comment>98</comment>
        <translation>Als CSV-Datei speichern</translation>
    </message>
    <message>
        <source>Save chart to Bitmap</source>
        <comment>99</comment>
        <translation>Diagramm als Bitmap speichern</translation>
    </message>
    <message>
        <source>Save chart to bitmap</source>
        <comment>100</comment>
        <translation>Diagramm als Bitmap speichern</translation>
    </message>
    <message>
        <source>Select Language</source>
        <comment>101</comment>
        <translation>Sprache wählen</translation>
    </message>
    <message>
        <source>Select day:</source>
        <comment>102</comment>
        <translation>Tag wählen:</translation>
    </message>
    <message>
        <source>Select directory that contains the Veyra Varnel diagnostic logs to run the reports against</source>
        <comment>103</comment>
        <translation>Wählen Sie den Ordner mit den Veyra-Varnel-Diagnoseprotokollen, aus denen die Berichte erstellt werden</translation>
    </message>
    <message>
        <source>Select file for CSV output</source>
        <comment>104</comment>
        <translation>Datei für die CSV-Ausgabe wählen</translation>
    </message>
    <message>
        <source>Show 1 Hour</source>
        <comment>105</comment>
        <translation>1 Stunde zeigen</translation>
    </message>
    <message>
        <source>Show 12 Hours</source>
        <comment>106</comment>
        <translation>12 Stunden zeigen</translation>
    </message>
    <message>
        <source>Show 4 Hours</source>
        <comment>107</comment>
        <translation>4 Stunden zeigen</translation>
    </message>
    <message>
        <source>Show Summary Information</source>
        <comment>108</comment>
        <translation>Übersicht zeigen</translation>
    </message>
    <message>
        <source>Show Which Units</source>
        <comment>109</comment>
        <translation>Angezeigte Einheit</translation>
    </message>
    <message>
        <source>Show message count or message size</source>
        <comment>110</comment>
        <translation>Anzahl oder Größe der Nachrichten zeigen</translation>
    </message>
    <message>
        <source>Show messaged delivered between these times:</source>
        <comment>111</comment>
        <translation>Nachrichten zeigen, die zwischen diesen Zeiten zugestellt wurden:</translation>
    </message>
    <message>
        <source>Show messages delivered between these times</source>
        <comment>112</comment>
        <translation>Nachrichten zeigen, die zwischen diesen Zeiten zugestellt wurden</translation>
    </message>
    <message>
        <source>Show summary information</source>
        <comment>113</comment>
        <translation>Übersicht zeigen</translation>
    </message>
    <message>
        <source>Shows how long outbound messages (going from Veyra to Keldan nodes) wait in the queue before they are delivered.  Outbound messages are sent via analog lines to Keldan nodes so lag times in delivery can be a problem if not enough ports are available to handle the load.  You can select to see information about all nodes or select specific Keldan and Veyra nodes you are interested in seeing information for.  You can also select a time range you&apos;re interested in.  Each message is graphed over time showing how long it was in the outbound queue before it was delivered.  The summary report provides a table of the same information which can be saved in CSV format.</source>
        <comment>114</comment>
        <translation>Zeigt, wie lange ausgehende Nachrichten (von Veyra- zu Keldan-Knoten) in der Warteschlange warten, bevor sie zugestellt werden.  Ausgehende Nachrichten werden über analoge Leitungen an Keldan-Knoten gesendet; stehen nicht genug Ports für die Last bereit, kann sich die Zustellung verzögern.  Sie können Angaben zu allen Knoten sehen oder bestimmte Keldan- und Veyra-Knoten wählen, die Sie interessieren.  Außerdem können Sie einen Zeitraum wählen.  Jede Nachricht wird über der Zeit dargestellt, mit der Dauer, die sie vor der Zustellung in der ausgehenden Warteschlange lag.  Die Übersicht enthält eine Tabelle derselben Angaben, die im CSV-Format gespeichert werden kann.</translation>
    </message>
    <message>
        <source>Shows how many ports are available to take or make calls over the course of the day.  Useful for finding out if you&apos;re running low on ports to send messages to or from Keldan nodes.  This report is always run over the entire day, however you can zoom in or out from 1 hour to a full 24 hour scope on the resulting graph so you should be able to get the detail you need.  The chart shows a bar for each minute of the day.  The summary report shows totals for each hour of the day which can be saved in CSV format. </source>
        <comment>115</comment>
        <translation>Zeigt, wie viele Ports im Lauf des Tages bereitstehen, um Anrufe anzunehmen oder zu tätigen.  Nützlich, um zu erkennen, ob Ihnen die Ports für Nachrichten an oder von Keldan-Knoten knapp werden.  Dieser Bericht umfasst immer den ganzen Tag, doch im Diagramm können Sie von 1 Stunde bis zu vollen 24 Stunden hinein- und herauszoomen und so die gewünschten Einzelheiten sehen.  Das Diagramm zeigt einen Balken für jede Minute des Tages.  Die Übersicht zeigt Summen für jede Stunde des Tages, die im CSV-Format gespeichert werden können. </translation>
    </message>
    <message>
        <source>Shows the number of messages and/or the total number of Megabytes sent from and delivered to each node.  Nodes are identified by their serial number and are labeled as &apos;Veyra&apos; or &apos;Keldan&apos; along the X axis and each node shows how many messages it received and how many messages it delivered.  Outbound messages are those that go from Veyra to Keldan nodes and inbound messages are those that travel from Keldan nodes back to Veyra.  You can select to see information about specific Veyra and Keldan nodes and choose a time range if you like.  Selecting a specific Veyra node and all Keldan nodes, for instance, can be useful for determining which nodes a Veyra box is communicating with most heavily.  The summary report shows the same information which can be saved to a CSV file.</source>
        <comment>116</comment>
        <translation>Zeigt die Anzahl der Nachrichten und/oder die gesamten Megabyte, die von jedem Knoten gesendet und an jeden Knoten zugestellt wurden.  Die Knoten sind an ihrer Seriennummer zu erkennen und als &apos;Veyra&apos; oder &apos;Keldan&apos; entlang der X-Achse beschriftet, und für jeden Knoten ist zu sehen, wie viele Nachrichten er empfangen und wie viele er zugestellt hat.  Ausgehende Nachrichten gehen von Veyra- zu Keldan-Knoten, eingehende Nachrichten gelangen von Keldan-Knoten zurück zu Veyra.  Sie können Angaben zu bestimmten Veyra- und Keldan-Knoten wählen und auf Wunsch einen Zeitraum festlegen.  Wählen Sie zum Beispiel einen bestimmten Veyra-Knoten und alle Keldan-Knoten, sehen Sie, mit welchen Knoten ein Veyra-System am meisten Verkehr hat.  Die Übersicht zeigt dieselben Angaben und kann als CSV-Datei gespeichert werden.</translation>
    </message>
    <message>
        <source>Shows the number of messages in the inbound (messages from Keldan nodes to Veyra) and/or outbound (messages from Veyra to Keldan nodes) queues on the Varnel over the course of the day.  You can opt to see the number of messages in queue or the total queue size in kilobytes.  The report is always run on the entire day but you can zoom in to as close as 1 hour and out to a full 24 hour view in the resulting graph.  The graph shows a bar for each minute of the day.  The summary report shows data totaled for each hour of the day which can be saved in CSV format.</source>
        <comment>117</comment>
        <translation>Zeigt die Anzahl der Nachrichten in der eingehenden (Nachrichten von Keldan-Knoten zu Veyra) und/oder ausgehenden (Nachrichten von Veyra zu Keldan-Knoten) Warteschlange des Varnel im Lauf des Tages.  Sie können die Anzahl der Nachrichten in der Warteschlange oder die gesamte Größe der Warteschlange in Kilobyte sehen.  Der Bericht umfasst immer den ganzen Tag, doch im Diagramm können Sie bis auf 1 Stunde hinein- und bis zu vollen 24 Stunden herauszoomen.  Das Diagramm zeigt einen Balken für jede Minute des Tages.  Die Übersicht zeigt Werte für jede Stunde des Tages, die im CSV-Format gespeichert werden können.</translation>
    </message>
    <message>
        <source>Start time must be earlier than the end time...</source>
        <comment>118</comment>
        <translation>Die Startzeit muss vor der Endzeit liegen...</translation>
    </message>
    <message>
        <source>Summary information saved.</source>
        <comment>119</comment>
        <translation>Übersicht gespeichert.</translation>
    </message>
    <message>
        <source>The  X axis shows the time of day, the Y axis shows the minimum number of ports available to take/make calls and/or the maximim number of ports busy for each minute of the day. </source>
        <comment>120</comment>
        <translation>Die X-Achse zeigt die Tageszeit, die Y-Achse für jede Minute des Tages die kleinste Zahl der Ports, die Anrufe annehmen oder tätigen können, und/oder die größte Zahl belegter Ports. </translation>
    </message>
    <message>
        <source>The X axis shows time of day, the Y axis show the number of messages or total message size of the inbound and/or outbound message queues.</source>
        <comment>121</comment>
        <translation>Die X-Achse zeigt die Tageszeit, die Y-Achse die Anzahl der Nachrichten oder die gesamte Nachrichtengröße der eingehenden und/oder ausgehenden Warteschlange.</translation>
    </message>
    <message>
        <source>Traffic information found in logs for </source>
        <comment>122</comment>
        <translation>Verkehrsdaten in den Protokollen gefunden für </translation>
    </message>
    <message>
        <source>This program comes with ABSOLUTELY NO WARRANTY; you may redistribute it under the terms of the GNU General Public License.</source>
        <comment>123</comment>
        <translation>Dieses Programm wird OHNE JEGLICHE GEWÄHRLEISTUNG bereitgestellt; Sie dürfen es unter den Bedingungen der GNU General Public License weitergeben.</translation>
    </message>
    <message>
        <source>Unable to open database at:</source>
        <comment>124</comment>
        <translation>Die Datenbank kann nicht geöffnet werden:</translation>
    </message>
    <message>
        <source>Veyra</source>
        <comment>125</comment>
        <translation>Veyra</translation>
    </message>
    <message>
        <source>Veyra Nodes</source>
        <comment>126</comment>
        <translation>Veyra-Knoten</translation>
    </message>
    <message>
        <source>Varnel Traffic Analyzer is made by Dravon Software for the administrators of Varnel messaging gateways.</source>
        <comment>127</comment>
        <translation>Varnel Traffic Analyzer wird von Dravon Software für die Administratoren von Varnel-Nachrichten-Gateways entwickelt.</translation>
    </message>
    <message>
        <source>Version:</source>
        <comment>128</comment>
        <translation>Version:</translation>
    </message>
    <message>
        <source>You must select at least one Keldan and one Veyra node</source>
        <comment>129</comment>
        <translation>Sie müssen mindestens einen Keldan- und einen Veyra-Knoten auswählen</translation>
    </message>
    <message>
        <source>Zoom</source>
        <comment>130</comment>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Zoom %100</source>
        <comment>131</comment>
        <translation>Zoom 100 %</translation>
    </message>
    <message>
        <source>Zoom %200</source>
        <comment>132</comment>
        <translation>Zoom 200 %</translation>
    </message>
    <message>
        <source>Zoom %400</source>
        <comment>133</comment>
        <translation>Zoom 400 %</translation>
    </message>
    <message>
        <source>Zoom %800</source>
        <comment>134</comment>
        <translation>Zoom 800 %</translation>
    </message>
    <message>
        <source>through</source>
        <comment>135</comment>
        <translation>bis</translation>
    </message>
    <message>
        <source>Node Error Traffic Report</source>
        <comment>136</comment>
        <translation>Bericht Zustellfehler je Knoten</translation>
    </message>
    <message>
        <source>Delivery Errors Reported: </source>
        <comment>137</comment>
        <translation>Gemeldete Zustellfehler: </translation>
    </message>
    <message>
        <source>No error delivery states found in the selected log</source>
        <comment>138</comment>
        <translation>Im gewählten Protokoll wurden keine Zustellfehler gefunden</translation>
    </message>
    <message>
        <source>Inbound delivery errors: </source>
        <comment>139</comment>
        <translation>Eingehende Zustellfehler: </translation>
    </message>
    <message>
        <source>Outbound delivery errors: </source>
        <comment>140</comment>
        <translation>Ausgehende Zustellfehler: </translation>
    </message>
    <message>
        <source>Inbound Errors</source>
        <comment>141</comment>
        <translation>Eingehende Fehler</translation>
    </message>
    <message>
        <source>Outbound Errors</source>
        <comment>142</comment>
        <translation>Ausgehende Fehler</translation>
    </message>
    <message>
        <source>Non-delivery Notification Summary</source>
        <comment>143</comment>
        <translation>Übersicht Unzustellbarkeitsberichte</translation>
    </message>
    <message>
        <source>Show outbound NDNs</source>
        <comment>144</comment>
        <translation>Ausgehende NDNs zeigen</translation>
    </message>
    <message>
        <source>Show inbound NDNs</source>
        <comment>145</comment>
        <translation>Eingehende NDNs zeigen</translation>
    </message>
    <message>
        <source>Non-delivery Notifications</source>
        <comment>146</comment>
        <translation>Unzustellbarkeitsberichte</translation>
    </message>
    <message>
        <source>Non-delivery Notifications Report </source>
        <comment>147</comment>
        <translation>Unzustellbarkeitsberichte vom </translation>
    </message>
    <message>
        <source>Inbound NDNs</source>
        <comment>148</comment>
        <translation>Eingehende NDNs</translation>
    </message>
    <message>
        <source>Outbound NDNs</source>
        <comment>149</comment>
        <translation>Ausgehende NDNs</translation>
    </message>
    <message>
        <source>Save Report Page...</source>
        <comment>150</comment>
        <translation>Berichtsseite speichern...</translation>
    </message>
    <message>
        <source>Working database:</source>
        <comment>151</comment>
        <translation>Arbeitsdatenbank:</translation>
    </message>
    <message>
        <source>Unable to write %1: %2</source>
        <comment>152</comment>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Copy</source>
        <comment>153</comment>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>The help page %1 cannot be found.</source>
        <comment>154</comment>
        <translation>Die Hilfeseite %1 wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>the language pack %1 cannot be read: %2; the English texts are used instead.</source>
        <comment>155</comment>
        <translation>das Sprachpaket %1 kann nicht gelesen werden: %2; stattdessen werden die englischen Texte verwendet.</translation>
    </message>
    <message>
        <source>The report page was saved to %1.</source>
        <comment>156</comment>
        <translation>Die Berichtsseite wurde unter %1 gespeichert.</translation>
    </message>
    <message>
        <source>The report page %1 was not written: %2</source>
        <comment>157</comment>
        <translation>Die Berichtsseite %1 wurde nicht geschrieben: %2</translation>
    </message>
    <message>
        <source>HTML pages (*.html *.htm);;All files (*)</source>
        <comment>158</comment>
        <translation>HTML-Seiten (*.html *.htm);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>The report page would replace a call log, which is never replaced: %1</source>
        <comment>159</comment>
        <translation>Die Berichtsseite würde ein Anrufprotokoll ersetzen, das nie ersetzt wird: %1</translation>
    </message>
    <message>
        <source>The report page would replace the program's database file %1</source>
        <comment>160</comment>
        <translation>Die Berichtsseite würde die Datenbankdatei des Programms ersetzen: %1</translation>
    </message>
    <message>
        <source>The report page needs a file name, not a folder: %1</source>
        <comment>161</comment>
        <translation>Die Berichtsseite braucht einen Dateinamen, keinen Ordner: %1</translation>
    </message>
    <message>
        <source>Varnel Traffic Report for </source>
        <comment>162</comment>
        <translation>Varnel-Verkehrsbericht vom </translation>
    </message>
    <message>
        <source>Report date</source>
        <comment>163</comment>
        <translation>Berichtsdatum</translation>
    </message>
    <message>
        <source>Log folder</source>
        <comment>164</comment>
        <translation>Protokollordner</translation>
    </message>
    <message>
        <source>Days loaded</source>
        <comment>165</comment>
        <translation>Geladene Tage</translation>
    </message>
    <message>
        <source>Load summary</source>
        <comment>166</comment>
        <translation>Zusammenfassung des Ladens</translation>
    </message>
    <message>
        <source>Written by the Varnel Traffic Analyzer on %1.</source>
        <comment>167</comment>
        <translation>Geschrieben vom Varnel Traffic Analyzer am %1.</translation>
    </message>
    <message>
        <source>The chart could not be drawn.</source>
        <comment>168</comment>
        <translation>Das Diagramm konnte nicht gezeichnet werden.</translation>
    </message>
    <message>
        <source>No rows.</source>
        <comment>169</comment>
        <translation>Keine Zeilen.</translation>
    </message>
    <message>
        <source>Time range: after %1 and before %2.</source>
        <comment>170</comment>
        <translation>Zeitraum: nach %1 und vor %2.</translation>
    </message>
    <message>
        <source>Only messages between the Veyra nodes %1 and the Keldan nodes %2.</source>
        <comment>171</comment>
        <translation>Nur Nachrichten zwischen den Veyra-Knoten %1 und den Keldan-Knoten %2.</translation>
    </message>
    <message>
        <source>The table shows the first %1 of %2 rows; all of them are in the summary's CSV file, %3.</source>
        <comment>172</comment>
        <translation>Die Tabelle zeigt die ersten %1 von %2 Zeilen; alle stehen in der CSV-Datei der Übersicht, %3.</translation>
    </message>
    <message>
        <source>Unable to save the database to %1: %2</source>
        <comment>173</comment>
        <translation>Die Datenbank kann nicht unter %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>SQLite databases (*.db);;All files (*)</source>
        <comment>174</comment>
        <translation>SQLite-Datenbanken (*.db);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>the day entry "%1" is not a date</source>
        <comment>175</comment>
        <translation>der Tageseintrag "%1" ist kein Datum</translation>
    </message>
    <message>
        <source>This program works on a working database of its own in %1 until it ends.</source>
        <comment>176</comment>
        <translation>Dieses Programm arbeitet bis zu seinem Ende mit einer eigenen Arbeitsdatenbank in %1.</translation>
    </message>
    <message>
        <source>No private folder could be made for a working database of this program's own.</source>
        <comment>177</comment>
        <translation>Für eine eigene Arbeitsdatenbank dieses Programms konnte kein privater Ordner angelegt werden.</translation>
    </message>
    <message>
        <source>The database %1 does not exist</source>
        <comment>178</comment>
        <translation>Die Datenbank %1 existiert nicht</translation>
    </message>
    <message>
        <source>A database cannot be saved over itself</source>
        <comment>179</comment>
        <translation>Eine Datenbank kann nicht über sich selbst gespeichert werden</translation>
    </message>
</context>
</TS>
