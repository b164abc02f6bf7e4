<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>AtomicSave</name>
    <message>
        <source>le dossier n&apos;existe pas ou n&apos;accepte pas l&apos;écriture</source>
        <translation>the folder does not exist or does not accept writing</translation>
    </message>
    <message>
        <source>l&apos;écriture a échoué (le disque est peut-être plein)</source>
        <translation>writing failed (the disk may be full)</translation>
    </message>
    <message>
        <source>le fichier n&apos;a pas pu prendre ce nom</source>
        <translation>the file could not take that name</translation>
    </message>
    <message>
        <source>erreur d&apos;écriture</source>
        <translation>write error</translation>
    </message>
    <message>
        <source>Le fichier « %1 » n&apos;a pas pu être enregistré : %2.</source>
        <translation>The file “%1” could not be saved: %2.</translation>
    </message>
</context>
<context>
    <name>Descriptions</name>
    <message>
        <source>. Le déplacer remet le pendule à sa position initiale.</source>
        <translation>. Moving it puts the pendulum back at its initial position.</translation>
    </message>
    <message>
        <source>Mouvement exact, tracé en rouge pendant l&apos;animation</source>
        <translation>Exact motion, drawn in red during the animation</translation>
    </message>
    <message>
        <source>Mouvement exact en rouge et solution des petits angles en vert ; montré quand « Approximation angle faible » est cochée</source>
        <translation>Exact motion in red and small-angle solution in green; shown when &quot;Approx. for small angles&quot; is ticked</translation>
    </message>
    <message>
        <source>Équation du mouvement</source>
        <translation>Equation of motion</translation>
    </message>
    <message>
        <source>θ&apos;&apos; + 2λθ&apos; + ω₀² sin θ = 0</source>
        <translation>θ&apos;&apos; + 2λθ&apos; + ω₀² sin θ = 0</translation>
    </message>
    <message>
        <source>Pendule</source>
        <translation>Pendulum</translation>
    </message>
    <message>
        <source>Le pendule dessiné à son angle du moment</source>
        <translation>The pendulum drawn at its present angle</translation>
    </message>
    <message>
        <source>Conditions initiales</source>
        <translation>Initial conditions</translation>
    </message>
    <message>
        <source>Paramètres oscillations</source>
        <translation>Oscillation parameters</translation>
    </message>
    <message>
        <source>Angle initial, en degrés</source>
        <translation>Initial angle, in degrees</translation>
    </message>
    <message>
        <source>De 0 à 180 degrés</source>
        <translation>From 0 to 180 degrees</translation>
    </message>
    <message>
        <source>Vitesse initiale, en radians par seconde</source>
        <translation>Initial speed, in radians per second</translation>
    </message>
    <message>
        <source>De -10 à 10 radians par seconde</source>
        <translation>From -10 to 10 radians per second</translation>
    </message>
    <message>
        <source>Pulsation propre, en radians par seconde</source>
        <translation>Natural pulsation, in radians per second</translation>
    </message>
    <message>
        <source>De 0,1 à 20 radians par seconde</source>
        <translation>From 0.1 to 20 radians per second</translation>
    </message>
    <message>
        <source>Coefficient d&apos;amortissement, par seconde</source>
        <translation>Damping coefficient, per second</translation>
    </message>
    <message>
        <source>De 0 à 5 par seconde</source>
        <translation>From 0 to 5 per second</translation>
    </message>
    <message>
        <source>Valeur de l&apos;angle initial</source>
        <translation>Value of the initial angle</translation>
    </message>
    <message>
        <source>Valeur de la vitesse initiale</source>
        <translation>Value of the initial speed</translation>
    </message>
    <message>
        <source>Valeur de la pulsation propre</source>
        <translation>Value of the natural pulsation</translation>
    </message>
    <message>
        <source>Valeur du coefficient d&apos;amortissement, par seconde</source>
        <translation>Value of the damping coefficient, per second</translation>
    </message>
    <message>
        <source>Durée de relaxation, en secondes</source>
        <translation>Relaxation time, in seconds</translation>
    </message>
    <message>
        <source>Pseudo-période</source>
        <translation>Pseudo-period</translation>
    </message>
    <message>
        <source>Facteur de qualité</source>
        <translation>Quality factor</translation>
    </message>
    <message>
        <source>Régime des oscillations</source>
        <translation>Regime of the oscillations</translation>
    </message>
    <message>
        <source>Lance l&apos;animation du pendule et le tracé des courbes, ou la suspend</source>
        <translation>Starts the animation of the pendulum and the plotting of the curves, or pauses it</translation>
    </message>
    <message>
        <source>Remet le pendule à ses conditions initiales et arrête l&apos;animation</source>
        <translation>Puts the pendulum back at its initial conditions and stops the animation</translation>
    </message>
    <message>
        <source>Montre aussi, en vert, la solution des petits angles, où sin θ est pris égal à θ</source>
        <translation>Also shows, in green, the small-angle solution, where sin θ is taken equal to θ</translation>
    </message>
    <message>
        <source>Angle (en degrés)</source>
        <translation>Angle (in degrees)</translation>
    </message>
    <message>
        <source>Titre de l&apos;axe vertical du graphique des oscillations</source>
        <translation>Title of the vertical axis of the oscillation plot</translation>
    </message>
    <message>
        <source>Vitesse (en rad/s)</source>
        <translation>Speed (in rad/s)</translation>
    </message>
    <message>
        <source>Titre de l&apos;axe vertical du portrait de phase</source>
        <translation>Title of the vertical axis of the phase portrait</translation>
    </message>
    <message>
        <source>Oscillations : angle en fonction du temps</source>
        <translation>Oscillations: angle against time</translation>
    </message>
    <message>
        <source>Oscillations : angle en fonction du temps, avec l&apos;approximation des petits angles</source>
        <translation>Oscillations: angle against time, with the small-angle approximation</translation>
    </message>
    <message>
        <source>Portrait de phase : vitesse en fonction de l&apos;angle</source>
        <translation>Phase portrait: speed against angle</translation>
    </message>
    <message>
        <source>Portrait de phase : vitesse en fonction de l&apos;angle, avec l&apos;approximation des petits angles</source>
        <translation>Phase portrait: speed against angle, with the small-angle approximation</translation>
    </message>
    <message>
        <source>Ouvre le site de l&apos;auteur dans le navigateur</source>
        <translation>Opens the author&apos;s site in the browser</translation>
    </message>
</context>
<context>
    <name>kestrova::AnimationMenu</name>
    <message>
        <source>Ani&amp;mation</source>
        <translation>Ani&amp;mation</translation>
    </message>
    <message>
        <source>Vitesse &amp;normale</source>
        <translation>&amp;Normal speed</translation>
    </message>
    <message>
        <source>Ralenti ×1/&amp;2</source>
        <translation>Slow motion ×1/&amp;2</translation>
    </message>
    <message>
        <source>Ralenti ×1/&amp;4</source>
        <translation>Slow motion ×1/&amp;4</translation>
    </message>
    <message>
        <source>Ralenti ×1/&amp;8</source>
        <translation>Slow motion ×1/&amp;8</translation>
    </message>
    <message>
        <source>&amp;Pas suivant</source>
        <translation>&amp;Next step</translation>
    </message>
</context>
<context>
    <name>kestrova::ViewMenu</name>
    <message>
        <source>Affic&amp;hage</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>Ajuster à la &amp;fenêtre</source>
        <translation>&amp;Fit to window</translation>
    </message>
    <message>
        <source>Zoom a&amp;vant</source>
        <translation>Zoom &amp;in</translation>
    </message>
    <message>
        <source>Zoom a&amp;rrière</source>
        <translation>Zoom &amp;out</translation>
    </message>
    <message>
        <source>&amp;Plein écran</source>
        <translation>&amp;Full screen</translation>
    </message>
    <message>
        <source>&amp;Contraste élevé</source>
        <translation>&amp;High contrast</translation>
    </message>
    <message>
        <source>Noir sur blanc, traits épais et grille marquée, pour un projecteur</source>
        <translation>Black on white, thick lines and a strong grid, for a projector</translation>
    </message>
</context>
<context>
    <name>kestrova::Captions</name>
    <message>
        <source>Régime critique</source>
        <translation>Critical regime</translation>
    </message>
    <message>
        <source>Régime apériodique</source>
        <translation>Aperiodic regime</translation>
    </message>
    <message>
        <source>Régime pseudo-périodique</source>
        <translation>Pseudo-periodic regime</translation>
    </message>
</context>
<context>
    <name>kestrova::DrivenAnalysis</name>
    <message>
        <source>Pendule forcé : résonance et chaos</source>
        <translation>Driven pendulum: resonance and chaos</translation>
    </message>
    <message>
        <source>Courbe de résonance</source>
        <translation>Resonance curve</translation>
    </message>
    <message>
        <source>Section de Poincaré</source>
        <translation>Poincaré section</translation>
    </message>
    <message>
        <source>Diagramme de bifurcation</source>
        <translation>Bifurcation diagram</translation>
    </message>
    <message>
        <source>Sensibilité aux conditions initiales</source>
        <translation>Sensitivity to initial conditions</translation>
    </message>
    <message>
        <source>γ de :</source>
        <translation>γ from:</translation>
    </message>
    <message>
        <source>γ à :</source>
        <translation>γ to:</translation>
    </message>
    <message>
        <source>&amp;Calculer</source>
        <translation>&amp;Compute</translation>
    </message>
    <message>
        <source>&amp;Annuler</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>Ω (rad/s)</source>
        <translation>Ω (rad/s)</translation>
    </message>
    <message>
        <source>Amplitude (rad)</source>
        <translation>Amplitude (rad)</translation>
    </message>
    <message>
        <source>Rouge : Ω croissant ; bleu : Ω décroissant ; vert : théorie des petits angles.
Pulsation de résonance mesurée : %1 rad/s (théorie √(ω₀² − 2λ²) : %2 rad/s). Bande passante : %3 rad/s.
Facteur de qualité mesuré : %4 (ω₀/2λ : %5).</source>
        <translation>Red: Ω rising; blue: Ω falling; green: small-angle theory.
Measured resonance pulsation: %1 rad/s (theory √(ω₀² − 2λ²): %2 rad/s). Bandwidth: %3 rad/s.
Measured quality factor: %4 (ω₀/2λ: %5).</translation>
    </message>
    <message>
        <source>θ (rad)</source>
        <translation>θ (rad)</translation>
    </message>
    <message>
        <source>θ&apos; (rad/s)</source>
        <translation>θ&apos; (rad/s)</translation>
    </message>
    <message>
        <source>%1 points, un par période de l&apos;excitation, après %2 périodes.
Points distincts : %3 ; cases occupées d&apos;une grille 100 × 100 : %4.</source>
        <translation>%1 points, one per driving period, after %2 periods.
Distinct points: %3; cells filled in a 100 × 100 grid: %4.</translation>
    </message>
    <message>
        <source>γ</source>
        <translation>γ</translation>
    </message>
    <message>
        <source>%1 valeurs de γ ; pour chacune, l&apos;angle une fois par période pendant %2 périodes, après %3 périodes de régime transitoire.</source>
        <translation>%1 values of γ; for each, the angle once a period for %2 periods, after %3 periods of transient.</translation>
    </message>
    <message>
        <source>t (s)</source>
        <translation>t (s)</translation>
    </message>
    <message>
        <source>Écart (échelle log)</source>
        <translation>Separation (log scale)</translation>
    </message>
    <message>
        <source>Deux mouvements partis à 10⁻⁶ rad l&apos;un de l&apos;autre : écart √(Δθ² + (Δθ&apos;/ω₀)²) final %1.</source>
        <translation>Two motions started 10⁻⁶ rad apart: final separation √(Δθ² + (Δθ&apos;/ω₀)²) %1.</translation>
    </message>
</context>
<context>
    <name>kestrova::EditMenu</name>
    <message>
        <source>Éditi&amp;on</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Annuler</source>
        <translation>&amp;Undo</translation>
    </message>
</context>
<context>
    <name>kestrova::FileMenu</name>
    <message>
        <source>temps (s)</source>
        <translation>time (s)</translation>
    </message>
    <message>
        <source>angle (°)</source>
        <translation>angle (°)</translation>
    </message>
    <message>
        <source>angle (rad)</source>
        <translation>angle (rad)</translation>
    </message>
    <message>
        <source>vitesse angulaire (rad/s)</source>
        <translation>angular speed (rad/s)</translation>
    </message>
    <message>
        <source>angle aux petits angles (rad)</source>
        <translation>small-angle angle (rad)</translation>
    </message>
    <message>
        <source>vitesse aux petits angles (rad/s)</source>
        <translation>small-angle speed (rad/s)</translation>
    </message>
    <message>
        <source>énergie cinétique par m·L² (J/(kg·m²))</source>
        <translation>kinetic energy per m·L² (J/(kg·m²))</translation>
    </message>
    <message>
        <source>énergie potentielle par m·L² (J/(kg·m²))</source>
        <translation>potential energy per m·L² (J/(kg·m²))</translation>
    </message>
    <message>
        <source>énergie totale par m·L² (J/(kg·m²))</source>
        <translation>total energy per m·L² (J/(kg·m²))</translation>
    </message>
    <message>
        <source>Exporter les données</source>
        <translation>Export the data</translation>
    </message>
    <message>
        <source>Tableau CSV (*.csv)</source>
        <translation>CSV table (*.csv)</translation>
    </message>
    <message>
        <source>Exporter le graphique</source>
        <translation>Export the plot</translation>
    </message>
    <message>
        <source>Image PNG (*.png);;Dessin vectoriel SVG (*.svg)</source>
        <translation>PNG image (*.png);;SVG vector drawing (*.svg)</translation>
    </message>
    <message>
        <source>Exporter les &amp;données…</source>
        <translation>Export the &amp;data…</translation>
    </message>
    <message>
        <source>Exporter le &amp;graphique…</source>
        <translation>Export the &amp;plot…</translation>
    </message>
    <message>
        <source>&amp;Copier</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>&amp;Imprimer…</source>
        <translation>&amp;Print…</translation>
    </message>
    <message>
        <source>L&apos;impression n&apos;a pas pu commencer.</source>
        <translation>Printing could not start.</translation>
    </message>
    <message>
        <source>F&amp;ichier</source>
        <translation>F&amp;ile</translation>
    </message>
</context>
<context>
    <name>kestrova::FitDialog</name>
    <message>
        <source>l&apos;ajustement n&apos;a pas convergé</source>
        <translation>the fit did not converge</translation>
    </message>
    <message>
        <source>ajustement annulé</source>
        <translation>fit cancelled</translation>
    </message>
    <message>
        <source>trop peu de mesures dans la fenêtre</source>
        <translation>too few measurements in the window</translation>
    </message>
    <message>
        <source>la mesure n&apos;oscille pas dans la fenêtre</source>
        <translation>the measurement does not swing in the window</translation>
    </message>
    <message>
        <source>Les résidus ne justifient pas de terme quadratique : un amortissement proportionnel à la vitesse (modèle linéaire) décrit cette mesure.</source>
        <translation>The residuals do not call for a quadratic term: damping proportional to the speed (the linear model) describes this measurement.</translation>
    </message>
    <message>
        <source>Les résidus favorisent le modèle quadratique : une part de l&apos;amortissement croît comme le carré de la vitesse, comme le frottement de l&apos;air.</source>
        <translation>The residuals favour the quadratic model: part of the damping grows as the square of the speed, as air drag does.</translation>
    </message>
    <message>
        <source>Les résidus ne permettent pas de départager les deux modèles.</source>
        <translation>The residuals cannot decide between the two models.</translation>
    </message>
    <message>
        <source>Ajuster le modèle</source>
        <translation>Fit the model</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>Fenêtre de temps : de</source>
        <translation>Time window: from</translation>
    </message>
    <message>
        <source>à</source>
        <translation>to</translation>
    </message>
    <message>
        <source>Ajuster</source>
        <translation>Fit</translation>
    </message>
    <message>
        <source>Annuler l&apos;ajustement</source>
        <translation>Cancel the fit</translation>
    </message>
    <message>
        <source>Fermer</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Appliquer au simulateur</source>
        <translation>Apply to the simulator</translation>
    </message>
    <message>
        <source>Résidus (mesure moins modèle) :</source>
        <translation>Residuals (measurement minus model):</translation>
    </message>
    <message>
        <source>Ajustement en cours…</source>
        <translation>Fitting…</translation>
    </message>
    <message>
        <source>rad/s</source>
        <translation>rad/s</translation>
    </message>
    <message>
        <source>à %1 s : θ = %2 rad, θ&apos; = %3 rad/s</source>
        <translation>at %1 s: θ = %2 rad, θ&apos; = %3 rad/s</translation>
    </message>
    <message>
        <source>décalage du capteur : %1 rad/s</source>
        <translation>sensor offset: %1 rad/s</translation>
    </message>
    <message>
        <source>écart quadratique moyen des résidus : %1 %2</source>
        <translation>root mean square of the residuals: %1 %2</translation>
    </message>
    <message>
        <source>rad</source>
        <translation>rad</translation>
    </message>
    <message>
        <source>Amortissement linéaire</source>
        <translation>Linear damping</translation>
    </message>
    <message>
        <source>Amortissement linéaire et quadratique</source>
        <translation>Linear and quadratic damping</translation>
    </message>
</context>
<context>
    <name>kestrova::GraphReader</name>
    <message>
        <source>Δt = %1 s</source>
        <translation>Δt = %1 s</translation>
    </message>
    <message>
        <source>Δθ = %1 rad</source>
        <translation>Δθ = %1 rad</translation>
    </message>
    <message>
        <source>Δθ&apos; = %1 rad/s</source>
        <translation>Δθ&apos; = %1 rad/s</translation>
    </message>
    <message>
        <source>ΔE = %1 J/(kg·m²)</source>
        <translation>ΔE = %1 J/(kg·m²)</translation>
    </message>
    <message>
        <source>Cliquez sur le second point</source>
        <translation>Click the second point</translation>
    </message>
    <message>
        <source>%1 : t = %2 s ; θ = %3 rad ; θ&apos; = %4 rad/s ; Ec = %5 ; Ep = %6 ; E = %7</source>
        <translation>%1: t = %2 s; θ = %3 rad; θ&apos; = %4 rad/s; Ek = %5; Ep = %6; E = %7</translation>
    </message>
    <message>
        <source>Mesure : %1</source>
        <translation>Measurement: %1</translation>
    </message>
    <message>
        <source>Mesure : cliquez deux points d&apos;un graphique</source>
        <translation>Measurement: click two points of a graph</translation>
    </message>
</context>
<context>
    <name>kestrova::GraphsMenu</name>
    <message>
        <source>&amp;Graphiques</source>
        <translation>&amp;Graphs</translation>
    </message>
    <message>
        <source>Garder ce &amp;lancer</source>
        <translation>Keep this &amp;run</translation>
    </message>
    <message>
        <source>&amp;Effacer les lancers</source>
        <translation>Cl&amp;ear the kept runs</translation>
    </message>
    <message>
        <source>Exporter l&apos;image des graphiques</source>
        <translation>Export the graphs as an image</translation>
    </message>
    <message>
        <source>Image PNG (*.png);;Dessin vectoriel SVG (*.svg);;Document PDF (*.pdf)</source>
        <translation>PNG image (*.png);;SVG vector drawing (*.svg);;PDF document (*.pdf)</translation>
    </message>
    <message>
        <source>Exporter les données des graphiques</source>
        <translation>Export the data of the graphs</translation>
    </message>
    <message>
        <source>Tableau CSV (*.csv)</source>
        <translation>CSV table (*.csv)</translation>
    </message>
    <message>
        <source>Huit lancers sont gardés : retirez-en un pour en garder un autre.</source>
        <translation>Eight runs are kept: remove one to keep another.</translation>
    </message>
    <message>
        <source>lancer</source>
        <translation>run</translation>
    </message>
    <message>
        <source>temps (s)</source>
        <translation>time (s)</translation>
    </message>
    <message>
        <source>angle (rad)</source>
        <translation>angle (rad)</translation>
    </message>
    <message>
        <source>vitesse angulaire (rad/s)</source>
        <translation>angular speed (rad/s)</translation>
    </message>
    <message>
        <source>énergie cinétique par m·L² (J/(kg·m²))</source>
        <translation>kinetic energy per m·L² (J/(kg·m²))</translation>
    </message>
    <message>
        <source>énergie potentielle par m·L² (J/(kg·m²))</source>
        <translation>potential energy per m·L² (J/(kg·m²))</translation>
    </message>
    <message>
        <source>énergie totale par m·L² (J/(kg·m²))</source>
        <translation>total energy per m·L² (J/(kg·m²))</translation>
    </message>
</context>
<context>
    <name>kestrova::MeasurementOverlay</name>
    <message>
        <source>Mesure</source>
        <translation>Measurement</translation>
    </message>
    <message>
        <source>Modèle ajusté</source>
        <translation>Fitted model</translation>
    </message>
    <message>
        <source>Mesure : %1</source>
        <translation>Measurement: %1</translation>
    </message>
    <message>
        <source>Modèle quadratique :
ω₀ = %1 rad/s
λ = %2 s⁻¹
μ = %3 rad⁻¹</source>
        <translation>Quadratic model:
ω₀ = %1 rad/s
λ = %2 s⁻¹
μ = %3 rad⁻¹</translation>
    </message>
    <message>
        <source>Modèle linéaire :
ω₀ = %1 rad/s
λ = %2 s⁻¹</source>
        <translation>Linear model:
ω₀ = %1 rad/s
λ = %2 s⁻¹</translation>
    </message>
</context>
<context>
    <name>kestrova::GraphsWindow</name>
    <message>
        <source>Graphiques</source>
        <translation>Graphs</translation>
    </message>
    <message>
        <source>Graphiques des lancers</source>
        <translation>Graphs of the runs</translation>
    </message>
    <message>
        <source>Aucune fenêtre du pendule amorti ou forcé n&apos;est ouverte : seuls les lancers gardés sont montrés. Ouvrez-en une (Ctrl+1 ou Ctrl+3) pour suivre son lancer en cours.</source>
        <translation>Neither the damped nor the driven pendulum window is open: only the kept runs are shown. Open one (Ctrl+1 or Ctrl+3) to follow its current run.</translation>
    </message>
    <message>
        <source>Amorti : </source>
        <translation>Damped: </translation>
    </message>
    <message>
        <source>Forcé : </source>
        <translation>Driven: </translation>
    </message>
    <message>
        <source>Pendule forcé : %1</source>
        <translation>Driven pendulum: %1</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>Lecture du curseur</source>
        <translation>Cursor reading</translation>
    </message>
    <message>
        <source>Lancers gardés</source>
        <translation>Kept runs</translation>
    </message>
    <message>
        <source>&amp;Retirer le lancer</source>
        <translation>&amp;Remove the run</translation>
    </message>
    <message>
        <source>Lancers &amp;gardés :</source>
        <translation>&amp;Kept runs:</translation>
    </message>
    <message>
        <source>&amp;Grille</source>
        <translation>&amp;Grid</translation>
    </message>
    <message>
        <source>&amp;Zoom par cadre</source>
        <translation>&amp;Zoom on a box</translation>
    </message>
    <message>
        <source>&amp;Vue d&apos;ensemble</source>
        <translation>&amp;View all</translation>
    </message>
    <message>
        <source>Mes&amp;urer</source>
        <translation>Meas&amp;ure</translation>
    </message>
    <message>
        <source>Style p&amp;rojecteur</source>
        <translation>P&amp;rojector style</translation>
    </message>
    <message>
        <source>E&amp;xporter l&apos;image…</source>
        <translation>E&amp;xport the image…</translation>
    </message>
    <message>
        <source>Exporter le ta&amp;bleau…</source>
        <translation>Export the ta&amp;ble…</translation>
    </message>
    <message>
        <source>en cours</source>
        <translation>current</translation>
    </message>
    <message>
        <source>en cours (%1)</source>
        <translation>current (%1)</translation>
    </message>
    <message>
        <source>Pendule pesant amorti : lancers gardés</source>
        <translation>Damped heavy pendulum: kept runs</translation>
    </message>
    <message>
        <source>Pendule pesant amorti : %1</source>
        <translation>Damped heavy pendulum: %1</translation>
    </message>
</context>
<context>
    <name>kestrova::HelpMenu</name>
    <message>
        <source>Ai&amp;de</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Guide de l&apos;enseignant</source>
        <translation>&amp;Teacher&apos;s guide</translation>
    </message>
    <message>
        <source>&amp;Raccourcis clavier</source>
        <translation>&amp;Keyboard shortcuts</translation>
    </message>
    <message>
        <source>À &amp;propos de Kestrova</source>
        <translation>&amp;About Kestrova</translation>
    </message>
    <message>
        <source>À propos de &amp;Qt</source>
        <translation>About &amp;Qt</translation>
    </message>
    <message>
        <source>&amp;Langue / Language</source>
        <translation>&amp;Langue / Language</translation>
    </message>
    <message>
        <source>Français</source>
        <translation>Français</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Guide de l&apos;enseignant — Kestrova</source>
        <translation>Teacher&apos;s guide — Kestrova</translation>
    </message>
    <message>
        <source>Maj</source>
        <translation>Shift</translation>
    </message>
    <message>
        <source>Tab, Maj+Tab</source>
        <translation>Tab, Shift+Tab</translation>
    </message>
    <message>
        <source>passe d&apos;une commande à l&apos;autre</source>
        <translation>moves between the controls</translation>
    </message>
    <message>
        <source>Flèches, Page préc./suiv., Début/Fin</source>
        <translation>Arrows, Page Up/Down, Home/End</translation>
    </message>
    <message>
        <source>déplacent le curseur qui a le focus (la simulation repart de zéro)</source>
        <translation>move the focused slider (the simulation starts again)</translation>
    </message>
    <message>
        <source>Alt+A</source>
        <translation>Alt+A</translation>
    </message>
    <message>
        <source>lance ou suspend l&apos;animation</source>
        <translation>starts or pauses the animation</translation>
    </message>
    <message>
        <source>Alt+P</source>
        <translation>Alt+P</translation>
    </message>
    <message>
        <source>« Position initiale »</source>
        <translation>&quot;Initial position&quot;</translation>
    </message>
    <message>
        <source>Alt+F</source>
        <translation>Alt+F</translation>
    </message>
    <message>
        <source>« Approximation angle faible »</source>
        <translation>&quot;Approx. for small angles&quot;</translation>
    </message>
    <message>
        <source>Alt+L, puis Entrée</source>
        <translation>Alt+L, then Enter</translation>
    </message>
    <message>
        <source>fenêtre de Foucault : va à la longueur, puis lance</source>
        <translation>Foucault window: goes to the length, then starts</translation>
    </message>
    <message>
        <source>Raccourcis clavier</source>
        <translation>Keyboard shortcuts</translation>
    </message>
    <message>
        <source>Simulations du pendule pesant amorti et du pendule de Foucault, pour enseigner le pendule pesant.</source>
        <translation>Simulations of the damped heavy pendulum and of the Foucault pendulum, for teaching the heavy pendulum.</translation>
    </message>
    <message>
        <source>À propos de Kestrova</source>
        <translation>About Kestrova</translation>
    </message>
    <message>
        <source>Alt+T, Alt+J, Alt+C</source>
        <translation>Alt+T, Alt+D, Alt+C</translation>
    </message>
    <message>
        <source>fenêtre de Foucault : latitude, jour, accélération du temps</source>
        <translation>Foucault window: latitude, day, time acceleration</translation>
    </message>
    <message>
        <source>Kestrova est un logiciel libre : vous pouvez le redistribuer et le modifier selon les termes de la licence publique générale GNU (GPL) publiée par la Free Software Foundation, version 3 ou (à votre choix) toute version ultérieure. Il est fourni sans aucune garantie.</source>
        <translation>Kestrova is free software: you can redistribute it and/or modify it under the terms of the GNU General Public License as published by the Free Software Foundation, either version 3 of the License, or (at your option) any later version. It comes with no warranty.</translation>
    </message>
    <message>
        <source>Construit avec Qt %1 et QCustomPlot %2.</source>
        <translation>Built with Qt %1 and QCustomPlot %2.</translation>
    </message>
    <message>
        <source>Alt+G, Alt+Z, Alt+V</source>
        <translation>Alt+G, Alt+Z, Alt+V</translation>
    </message>
    <message>
        <source>fenêtre « Graphiques » : grille, zoom par cadre, vue d&apos;ensemble</source>
        <translation>&quot;Graphs&quot; window: grid, zoom on a box, view all</translation>
    </message>
    <message>
        <source>Flèches, Alt+U, Entrée</source>
        <translation>Arrows, Alt+U, Enter</translation>
    </message>
    <message>
        <source>fenêtre « Graphiques » : déplacent le curseur, mesurer, pose un point</source>
        <translation>&quot;Graphs&quot; window: move the cursor, measure, set a point</translation>
    </message>
    <message>
        <source>Alt+R, Alt+X, Alt+B</source>
        <translation>Alt+R, Alt+X, Alt+B</translation>
    </message>
    <message>
        <source>fenêtre « Graphiques » : style projecteur, exporter l&apos;image, le tableau</source>
        <translation>&quot;Graphs&quot; window: projector style, export the image, the table</translation>
    </message>
</context>
<context>
    <name>kestrova::LengthReading</name>
    <message>
        <source>Longueur non reconnue : tapez un nombre de mètres, plus de 3 m et au plus 1000 m.</source>
        <translation>Length not recognised: type a number of metres, more than 3 m and at most 1000 m.</translation>
    </message>
    <message>
        <source>Longueur trop courte : le pendule doit mesurer plus de 3 m (l&apos;amplitude) et au plus 1000 m.</source>
        <translation>Length too short: the pendulum must be more than 3 m long (the amplitude) and at most 1000 m.</translation>
    </message>
    <message>
        <source>Longueur trop grande : le pendule doit mesurer plus de 3 m et au plus 1000 m.</source>
        <translation>Length too long: the pendulum must be more than 3 m long and at most 1000 m.</translation>
    </message>
</context>
<context>
    <name>kestrova::LessonFile</name>
    <message>
        <source>un objet { … }</source>
        <translation>an object { … }</translation>
    </message>
    <message>
        <source>un texte entre guillemets</source>
        <translation>a text in quotes</translation>
    </message>
    <message>
        <source>true ou false</source>
        <translation>true or false</translation>
    </message>
    <message>
        <source>un nombre</source>
        <translation>a number</translation>
    </message>
    <message>
        <source>un nombre entier</source>
        <translation>a whole number</translation>
    </message>
    <message>
        <source>une liste [ … ]</source>
        <translation>a list [ … ]</translation>
    </message>
    <message>
        <source>«&#xa0;%1&#xa0;» doit être %2</source>
        <translation>“%1” must be %2</translation>
    </message>
    <message>
        <source>«&#xa0;%1&#xa0;» est trop long (plus de %2 caractères)</source>
        <translation>“%1” is too long (more than %2 characters)</translation>
    </message>
    <message>
        <source>«&#xa0;%1&#xa0;» n&apos;est pas un nombre fini</source>
        <translation>“%1” is not a finite number</translation>
    </message>
    <message>
        <source>de %1 à %2</source>
        <translation>from %1 to %2</translation>
    </message>
    <message>
        <source>«&#xa0;%1&#xa0;» vaut %2, hors des valeurs permises (%3)</source>
        <translation>“%1” is %2, outside the allowed values (%3)</translation>
    </message>
    <message>
        <source>«&#xa0;%1&#xa0;» doit valoir %2</source>
        <translation>“%1” must be %2</translation>
    </message>
    <message>
        <source> ou </source>
        <translation> or </translation>
    </message>
    <message>
        <source>plus de 3 et au plus 1000</source>
        <translation>more than 3 and at most 1000</translation>
    </message>
    <message>
        <source>de -90 à 90</source>
        <translation>from -90 to 90</translation>
    </message>
    <message>
        <source>1 avec le jour accéléré</source>
        <translation>1 with the sped-up day</translation>
    </message>
    <message>
        <source>«&#xa0;%1&#xa0;» contient plus de %2 essais</source>
        <translation>“%1” holds more than %2 runs</translation>
    </message>
    <message>
        <source>Le fichier «&#xa0;%1&#xa0;» n&apos;a pas pu être ouvert : %2.</source>
        <translation>The file “%1” could not be opened: %2.</translation>
    </message>
    <message>
        <source>il s&apos;arrête avant la fin (fichier tronqué ?)</source>
        <translation>it stops before its end (a truncated file?)</translation>
    </message>
    <message>
        <source>ses données sont imbriquées trop profondément</source>
        <translation>its data are nested too deeply</translation>
    </message>
    <message>
        <source>il contient des caractères qui ne sont pas du texte UTF-8</source>
        <translation>it holds characters that are not UTF-8 text</translation>
    </message>
    <message>
        <source>un nombre y est illisible ou trop grand (à l&apos;octet %1)</source>
        <translation>a number in it is unreadable or too large (at byte %1)</translation>
    </message>
    <message>
        <source>il est trop volumineux</source>
        <translation>it is too large</translation>
    </message>
    <message>
        <source>ce n&apos;est pas du JSON valide (erreur à l&apos;octet %1)</source>
        <translation>it is not valid JSON (error at byte %1)</translation>
    </message>
    <message>
        <source>ce n&apos;est pas une leçon Kestrova (la clé «&#xa0;format&#xa0;» ne vaut pas «&#xa0;%1&#xa0;»)</source>
        <translation>it is not a Kestrova lesson (the key “format” is not “%1”)</translation>
    </message>
    <message>
        <source>sa version de format («&#xa0;version&#xa0;») n&apos;est pas de la forme 1.0</source>
        <translation>its format version (“version”) is not of the form 1.0</translation>
    </message>
    <message>
        <source>il est au format %1, plus récent que celui que lit ce programme (%2.x) : il faut une version de Kestrova qui lise le format %3</source>
        <translation>it is in format %1, newer than the one this program reads (%2.x): it needs a version of Kestrova that reads format %3</translation>
    </message>
    <message>
        <source>sa version de format %1 n&apos;existe pas</source>
        <translation>its format version %1 does not exist</translation>
    </message>
    <message>
        <source>il est vide</source>
        <translation>it is empty</translation>
    </message>
    <message>
        <source>il contient des données binaires, pas du texte</source>
        <translation>it holds binary data, not text</translation>
    </message>
    <message>
        <source>ce n&apos;est pas une leçon Kestrova (le document n&apos;est pas un objet { … })</source>
        <translation>it is not a Kestrova lesson (the document is not an object { … })</translation>
    </message>
    <message>
        <source>certaines valeurs sont hors des limites</source>
        <translation>some values are out of bounds</translation>
    </message>
    <message>
        <source>c&apos;est un dossier, pas un fichier</source>
        <translation>it is a folder, not a file</translation>
    </message>
    <message>
        <source>il n&apos;existe pas</source>
        <translation>it does not exist</translation>
    </message>
    <message>
        <source>il ne peut pas être lu (droits d&apos;accès ?)</source>
        <translation>it cannot be read (access rights?)</translation>
    </message>
    <message>
        <source>la mesure («&#xa0;mesure&#xa0;») est incomplète ou illisible</source>
        <translation>the measurement (“mesure”) is incomplete or unreadable</translation>
    </message>
    <message>
        <source>l&apos;ajustement de la mesure («&#xa0;mesure.ajustement&#xa0;») est incomplet ou illisible</source>
        <translation>the measurement&apos;s fit (“mesure.ajustement”) is incomplete or unreadable</translation>
    </message>
</context>
<context>
    <name>kestrova::LessonSession</name>
    <message>
        <source>&amp;Nouvelle séance</source>
        <translation>&amp;New session</translation>
    </message>
    <message>
        <source>&amp;Ouvrir…</source>
        <translation>&amp;Open…</translation>
    </message>
    <message>
        <source>&amp;Enregistrer</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Enregistrer &amp;sous…</source>
        <translation>Save &amp;as…</translation>
    </message>
    <message>
        <source>Leçons Kestrova (*.kestrova)</source>
        <translation>Kestrova lessons (*.kestrova)</translation>
    </message>
    <message>
        <source>Ouvrir une leçon</source>
        <translation>Open a lesson</translation>
    </message>
    <message>
        <source>Enregistrer la leçon</source>
        <translation>Save the lesson</translation>
    </message>
    <message>
        <source>Leçon</source>
        <translation>Lesson</translation>
    </message>
    <message>
        <source>Leçon modifiée</source>
        <translation>Lesson modified</translation>
    </message>
    <message>
        <source>La leçon «&#xa0;%1&#xa0;» a été modifiée. Enregistrer les modifications ?</source>
        <translation>The lesson “%1” has been modified. Save the changes?</translation>
    </message>
    <message>
        <source>Enregistrer</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Ne pas enregistrer</source>
        <translation>Don&apos;t save</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>(aucun)</source>
        <translation>(none)</translation>
    </message>
    <message>
        <source>lecon</source>
        <translation>lesson</translation>
    </message>
</context>
<context>
    <name>kestrova::MDIBrunmalt</name>
    <message>
        <source>Fenêtres de simulation</source>
        <translation>Simulation windows</translation>
    </message>
    <message>
        <source>Pendule pesant &amp;amorti</source>
        <translation>D&amp;amped heavy pendulum</translation>
    </message>
    <message>
        <source>Pendule de &amp;Foucault</source>
        <translation>&amp;Foucault pendulum</translation>
    </message>
    <message>
        <source>&amp;Quitter</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>&amp;Simulation</source>
        <translation>&amp;Simulation</translation>
    </message>
    <message>
        <source>A&amp;nalyse</source>
        <translation>A&amp;nalysis</translation>
    </message>
    <message>
        <source>&amp;Courbes d&apos;énergie</source>
        <translation>&amp;Energy curves</translation>
    </message>
    <message>
        <source>Ouvrir un e&amp;xemple</source>
        <translation>Open an e&amp;xample</translation>
    </message>
    <message>
        <source>Fichiers &amp;récents</source>
        <translation>&amp;Recent files</translation>
    </message>
    <message>
        <source>Pendule &amp;forcé</source>
        <translation>&amp;Driven pendulum</translation>
    </message>
</context>
<context>
    <name>kestrova::MeasurementImport</name>
    <message>
        <source>Cette colonne n&apos;existe pas.</source>
        <translation>This column does not exist.</translation>
    </message>
    <message>
        <source>Ligne de mesures %1 : le temps se répète.</source>
        <translation>Measurement row %1: the time repeats.</translation>
    </message>
    <message>
        <source>Ligne de mesures %1 : le temps recule.</source>
        <translation>Measurement row %1: the time goes back.</translation>
    </message>
    <message>
        <source>Ces colonnes ont moins de deux mesures complètes.</source>
        <translation>These columns have fewer than two complete measurements.</translation>
    </message>
    <message>
        <source>Cette archive zip est illisible.</source>
        <translation>This zip archive cannot be read.</translation>
    </message>
    <message>
        <source>Cette archive zip ne contient aucun tableau de mesures.</source>
        <translation>This zip archive holds no table of measurements.</translation>
    </message>
    <message>
        <source>Le fichier est trop volumineux (plus de 64 Mo).</source>
        <translation>The file is too large (more than 64 MB).</translation>
    </message>
    <message>
        <source>Ce fichier ne contient pas de texte : ce n&apos;est pas un tableau de mesures.</source>
        <translation>This file holds no text: it is not a table of measurements.</translation>
    </message>
    <message>
        <source>Le fichier a trop de lignes (plus de deux millions).</source>
        <translation>The file has too many lines (more than two million).</translation>
    </message>
    <message>
        <source>Disposition inconnue : aucune ligne de nombres séparés par des tabulations, des points-virgules, des virgules ou des espaces.</source>
        <translation>Unknown layout: no line of numbers separated by tabs, semicolons, commas or spaces.</translation>
    </message>
    <message>
        <source>Ligne %1 : le nombre de colonnes n&apos;est pas celui des autres lignes.</source>
        <translation>Line %1: the number of columns is not that of the other lines.</translation>
    </message>
    <message>
        <source>Ligne %1 : une valeur n&apos;est pas un nombre.</source>
        <translation>Line %1: a value is not a number.</translation>
    </message>
    <message>
        <source>Le fichier ne contient qu&apos;une seule ligne de mesures.</source>
        <translation>The file holds a single line of measurements.</translation>
    </message>
    <message>
        <source>Aucune colonne ne contient de nombres.</source>
        <translation>No column holds numbers.</translation>
    </message>
</context>
<context>
    <name>kestrova::MeasurementImportDialog</name>
    <message>
        <source>Colonne %1</source>
        <translation>Column %1</translation>
    </message>
    <message>
        <source>Impossible de lire le fichier « %1 » : %2</source>
        <translation>The file “%1” cannot be read: %2</translation>
    </message>
    <message>
        <source>Importer une mesure : %1</source>
        <translation>Import a measurement: %1</translation>
    </message>
    <message>
        <source>Angle en degrés</source>
        <translation>Angle in degrees</translation>
    </message>
    <message>
        <source>Angle en radians</source>
        <translation>Angle in radians</translation>
    </message>
    <message>
        <source>Positions x et y de la masse</source>
        <translation>x and y positions of the bob</translation>
    </message>
    <message>
        <source>Vitesse angulaire (gyroscope, rad/s)</source>
        <translation>Angular speed (gyroscope, rad/s)</translation>
    </message>
    <message>
        <source>Temps :</source>
        <translation>Time:</translation>
    </message>
    <message>
        <source>Grandeur mesurée :</source>
        <translation>Measured quantity:</translation>
    </message>
    <message>
        <source>Colonne :</source>
        <translation>Column:</translation>
    </message>
    <message>
        <source>Colonne y :</source>
        <translation>y column:</translation>
    </message>
    <message>
        <source>Position du point de suspension (x, y) :</source>
        <translation>Position of the pivot (x, y):</translation>
    </message>
    <message>
        <source>Importer</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
    <message numerus="yes">
        <source>%n mesures de %1 s à %2 s</source>
        <translation>
            <numerusform>%n measurement from %1 s to %2 s</numerusform>
            <numerusform>%n measurements from %1 s to %2 s</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>(pauses dans l&apos;enregistrement : %n)</source>
        <translation>
            <numerusform>(pauses in the recording: %n)</numerusform>
            <numerusform>(pauses in the recording: %n)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>kestrova::MeasurementSession</name>
    <message>
        <source>&amp;Importer une mesure…</source>
        <translation>&amp;Import a measurement…</translation>
    </message>
    <message>
        <source>&amp;Ajuster le modèle…</source>
        <translation>&amp;Fit the model…</translation>
    </message>
    <message>
        <source>Importer une mesure</source>
        <translation>Import a measurement</translation>
    </message>
    <message>
        <source>Mesures (*.csv *.txt *.tsv *.zip);;Tous les fichiers (*)</source>
        <translation>Measurements (*.csv *.txt *.tsv *.zip);;All files (*)</translation>
    </message>
    <message>
        <source>Mesures</source>
        <translation>Measurements</translation>
    </message>
    <message>
        <source>Le simulateur prend les positions les plus proches des valeurs ajustées :</source>
        <translation>The simulator takes the positions nearest to the fitted values:</translation>
    </message>
    <message>
        <source>%1 : %2 → %3%4</source>
        <translation>%1: %2 → %3%4</translation>
    </message>
    <message>
        <source>(hors de la plage du curseur)</source>
        <translation>(outside the slider&apos;s range)</translation>
    </message>
</context>
<context>
    <name>kestrova::MeasurementsDock</name>
    <message>
        <source>Mesures</source>
        <translation>Measurements</translation>
    </message>
    <message>
        <source>&amp;Mesures</source>
        <translation>&amp;Measurements</translation>
    </message>
    <message>
        <source>Période, amortissement et énergie mesurés sur le mouvement</source>
        <translation>Period, damping and energy measured on the motion</translation>
    </message>
    <message>
        <source>Fermer</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Détacher</source>
        <translation>Detach</translation>
    </message>
    <message>
        <source>Ferme le panneau des mesures</source>
        <translation>Closes the measurements panel</translation>
    </message>
    <message>
        <source>Détache le panneau des mesures</source>
        <translation>Detaches the measurements panel</translation>
    </message>
</context>
<context>
    <name>kestrova::MeasurementsPanel</name>
    <message>
        <source>Période (en s)</source>
        <translation>Period (in s)</translation>
    </message>
    <message>
        <source>mesurée :</source>
        <translation>measured:</translation>
    </message>
    <message>
        <source>Temps moyen entre deux passages par la verticale dans le même sens, interpolé entre les pas de calcul</source>
        <translation>Mean time between two passages through the vertical in the same direction, interpolated between the computation steps</translation>
    </message>
    <message>
        <source>petits angles :</source>
        <translation>small angles:</translation>
    </message>
    <message>
        <source>Pseudo-période 2π/√(ω₀² − λ²) de l&apos;équation où sin θ = θ, et l&apos;écart de la mesure à cette valeur</source>
        <translation>Pseudo-period 2π/√(ω₀² − λ²) of the equation with sin θ = θ, and how far the measurement lies from it</translation>
    </message>
    <message>
        <source>exacte :</source>
        <translation>exact:</translation>
    </message>
    <message>
        <source>Période du pendule sans amortissement, 4·K(sin(θ₀/2))/ω₀ (intégrale elliptique complète de première espèce), et l&apos;écart de la mesure à cette valeur</source>
        <translation>Period of the undamped pendulum, 4·K(sin(θ₀/2))/ω₀ (complete elliptic integral of the first kind), and how far the measurement lies from it</translation>
    </message>
    <message>
        <source>Amortissement</source>
        <translation>Damping</translation>
    </message>
    <message>
        <source>décrément δ :</source>
        <translation>decrement δ:</translation>
    </message>
    <message>
        <source>Décrément logarithmique (1/n)·ln(θₖ/θₖ₊ₙ) des maxima successifs</source>
        <translation>Logarithmic decrement (1/n)·ln(θₖ/θₖ₊ₙ) of the successive maxima</translation>
    </message>
    <message>
        <source>λ mesuré :</source>
        <translation>measured λ:</translation>
    </message>
    <message>
        <source>Q mesuré :</source>
        <translation>measured Q:</translation>
    </message>
    <message>
        <source>Énergie par unité de m·L² (en s⁻²)</source>
        <translation>Energy per unit of m·L² (in s⁻²)</translation>
    </message>
    <message>
        <source>cinétique :</source>
        <translation>kinetic:</translation>
    </message>
    <message>
        <source>½θ&apos;²</source>
        <translation>½θ&apos;²</translation>
    </message>
    <message>
        <source>potentielle :</source>
        <translation>potential:</translation>
    </message>
    <message>
        <source>ω₀²(1 − cos θ)</source>
        <translation>ω₀²(1 − cos θ)</translation>
    </message>
    <message>
        <source>totale :</source>
        <translation>total:</translation>
    </message>
    <message>
        <source>perdue :</source>
        <translation>lost:</translation>
    </message>
    <message>
        <source>Part de l&apos;énergie du départ perdue depuis</source>
        <translation>Share of the starting energy lost since</translation>
    </message>
    <message>
        <source>Période et amplitude</source>
        <translation>Period and amplitude</translation>
    </message>
    <message>
        <source>Période rapportée à T₀ en fonction de l&apos;amplitude</source>
        <translation>Period over T₀ against the amplitude</translation>
    </message>
    <message>
        <source>&amp;Balayer</source>
        <translation>S&amp;weep</translation>
    </message>
    <message>
        <source>Mesure la période du modèle lâché sans vitesse de 5° à 175°</source>
        <translation>Measures the period of the model released at rest from 5° to 175°</translation>
    </message>
    <message>
        <source>pas encore mesuré</source>
        <translation>not measured yet</translation>
    </message>
    <message>
        <source>sans objet en régime apériodique</source>
        <translation>not applicable in the aperiodic regime</translation>
    </message>
    <message>
        <source>sans objet en régime critique</source>
        <translation>not applicable in the critical regime</translation>
    </message>
    <message>
        <source>sans objet sans amortissement</source>
        <translation>not applicable without damping</translation>
    </message>
    <message>
        <source>sans objet avec amortissement</source>
        <translation>not applicable with damping</translation>
    </message>
    <message>
        <source>sans objet : le pendule atteint le haut</source>
        <translation>not applicable: the pendulum reaches the top</translation>
    </message>
    <message>
        <source>sans objet : le pendule est immobile</source>
        <translation>not applicable: the pendulum does not move</translation>
    </message>
    <message>
        <source>mesure : %1</source>
        <translation>measurement: %1</translation>
    </message>
    <message>
        <source>sur 1 oscillation</source>
        <translation>over 1 oscillation</translation>
    </message>
    <message>
        <source>sur %1 oscillations</source>
        <translation>over %1 oscillations</translation>
    </message>
    <message>
        <source>sur 1 tour</source>
        <translation>over 1 revolution</translation>
    </message>
    <message>
        <source>sur %1 tours</source>
        <translation>over %1 revolutions</translation>
    </message>
    <message>
        <source>&amp;Effacer les lancers</source>
        <translation>Clear &amp;earlier runs</translation>
    </message>
    <message>
        <source>Retire du graphique les points des lancers précédents, et oublie les lancers gardés des graphiques</source>
        <translation>Removes the points of earlier runs from the plot, and forgets the runs kept in the graphs</translation>
    </message>
    <message>
        <source>réglé : %1</source>
        <translation>set: %1</translation>
    </message>
    <message>
        <source>T/T₀</source>
        <translation>T/T₀</translation>
    </message>
    <message>
        <source>amplitude θ₀ (en degrés)</source>
        <translation>amplitude θ₀ (in degrees)</translation>
    </message>
    <message>
        <source>exacte</source>
        <translation>exact</translation>
    </message>
    <message>
        <source>Borda 1 + θ₀²/16</source>
        <translation>Borda 1 + θ₀²/16</translation>
    </message>
    <message>
        <source>balayage</source>
        <translation>sweep</translation>
    </message>
    <message>
        <source>lancers précédents</source>
        <translation>earlier runs</translation>
    </message>
    <message>
        <source>lancer en cours</source>
        <translation>this run</translation>
    </message>
    <message>
        <source>Mesure de la période de 5° à 175°…</source>
        <translation>Measuring the period from 5° to 175°…</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Balayer</source>
        <translation>Sweep</translation>
    </message>
    <message>
        <source>Période en fonction de l&apos;amplitude</source>
        <translation>Period against amplitude</translation>
    </message>
</context>
<context>
    <name>kestrova::PlacePanel</name>
    <message>
        <source>Lieu et durée du jour</source>
        <translation>Place and length of the day</translation>
    </message>
    <message>
        <source>Latitude du lieu, en degrés</source>
        <translation>Latitude of the place, in degrees</translation>
    </message>
    <message>
        <source>De 0 à 90, suivi de N pour le nord ou de S pour le sud</source>
        <translation>From 0 to 90, followed by N for north or S for south</translation>
    </message>
    <message>
        <source>La&amp;titude (°) :</source>
        <translation>La&amp;titude (°):</translation>
    </message>
    <message>
        <source>Lieux :</source>
        <translation>Places:</translation>
    </message>
    <message>
        <source>Pourquoi la latitude est refusée</source>
        <translation>Why the latitude is refused</translation>
    </message>
    <message>
        <source>Jour accéléré (1000 s)</source>
        <translation>Accelerated day (1000 s)</translation>
    </message>
    <message>
        <source>Jour sidéral réel</source>
        <translation>Real sidereal day</translation>
    </message>
    <message>
        <source>&amp;Jour :</source>
        <translation>&amp;Day:</translation>
    </message>
    <message>
        <source>Combien de fois plus vite que le temps réel, avec le jour sidéral réel</source>
        <translation>How many times faster than real time, with the real sidereal day</translation>
    </message>
    <message>
        <source>A&amp;ccélération du temps :</source>
        <translation>Time a&amp;cceleration:</translation>
    </message>
    <message>
        <source>Latitude non reconnue : tapez un nombre de degrés de 0 à 90, suivi de N (nord) ou S (sud), ou de −90 à 90.</source>
        <translation>Latitude not recognised: type a number of degrees from 0 to 90, followed by N (north) or S (south), or from −90 to 90.</translation>
    </message>
    <message>
        <source>Latitude hors limites : de 90 S (pôle Sud) à 90 N (pôle Nord).</source>
        <translation>Latitude out of range: from 90 S (South Pole) to 90 N (North Pole).</translation>
    </message>
    <message>
        <source>Paris</source>
        <translation>Paris</translation>
    </message>
    <message>
        <source>Pôle Nord</source>
        <translation>North Pole</translation>
    </message>
    <message>
        <source>Équateur</source>
        <translation>Equator</translation>
    </message>
    <message>
        <source>Sydney</source>
        <translation>Sydney</translation>
    </message>
    <message>
        <source>Latitude illisible : tapez des degrés, minutes et secondes dans cet ordre, chacun avec son symbole (45°30&apos;15&quot; N), ou des degrés décimaux (45,5 N).</source>
        <translation>Unreadable latitude: type degrees, minutes and seconds in that order, each with its symbol (45°30&apos;15&quot; N), or decimal degrees (45.5 N).</translation>
    </message>
    <message>
        <source>Latitude illisible : un blanc sépare des chiffres. Pour 45 degrés 30 minutes, tapez 45°30&apos; N ou 45,5 N.</source>
        <translation>Unreadable latitude: a blank separates digits. For 45 degrees 30 minutes, type 45°30&apos; N or 45.5 N.</translation>
    </message>
    <message>
        <source>Latitude illisible : les minutes et les secondes vont de 0 à moins de 60.</source>
        <translation>Unreadable latitude: minutes and seconds go from 0 to less than 60.</translation>
    </message>
</context>
<context>
    <name>kestrova::PlaneReadout</name>
    <message>
        <source>jamais</source>
        <translation>never</translation>
    </message>
    <message>
        <source>plus d&apos;un million d&apos;heures</source>
        <translation>more than a million hours</translation>
    </message>
    <message>
        <source>Rotation du plan d&apos;oscillation</source>
        <translation>Turning of the swing plane</translation>
    </message>
    <message>
        <source>Temps simulé depuis le lancement :</source>
        <translation>Simulated time since the start:</translation>
    </message>
    <message>
        <source>Angle tourné par le plan :</source>
        <translation>Angle turned by the plane:</translation>
    </message>
    <message>
        <source>Vitesse prévue par la loi Ω·sin φ :</source>
        <translation>Rate given by the law Ω·sin φ:</translation>
    </message>
    <message>
        <source>Durée d&apos;un tour complet :</source>
        <translation>Time for a full turn:</translation>
    </message>
    <message>
        <source>Vitesse mesurée sur les oscillations :</source>
        <translation>Rate measured on the swings:</translation>
    </message>
    <message>
        <source>sens horaire</source>
        <translation>clockwise</translation>
    </message>
    <message>
        <source>sens antihoraire</source>
        <translation>anticlockwise</translation>
    </message>
    <message>
        <source>pas encore mesurable</source>
        <translation>not measurable yet</translation>
    </message>
    <message>
        <source>Période d&apos;une oscillation 2π/Ω :</source>
        <translation>Period of one swing 2π/Ω:</translation>
    </message>
</context>
<context>
    <name>kestrova::ResidualsPlot</name>
    <message>
        <source>Résidus en fonction du temps</source>
        <translation>Residuals against time</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
</context>
<context>
    <name>kestrova::SpeedStatus</name>
    <message>
        <source>%1 — temps simulé : %2 s</source>
        <translation>%1 — simulated time: %2 s</translation>
    </message>
</context>
<context>
    <name>kestrova::RunPlots</name>
    <message>
        <source>Angle</source>
        <translation>Angle</translation>
    </message>
    <message>
        <source>Vitesse angulaire</source>
        <translation>Angular speed</translation>
    </message>
    <message>
        <source>Énergies</source>
        <translation>Energies</translation>
    </message>
    <message>
        <source>Portrait de phase</source>
        <translation>Phase portrait</translation>
    </message>
    <message>
        <source>angle θ (rad)</source>
        <translation>angle θ (rad)</translation>
    </message>
    <message>
        <source>vitesse angulaire θ&apos; (rad/s)</source>
        <translation>angular speed θ&apos; (rad/s)</translation>
    </message>
    <message>
        <source>énergie par m·L² (J/(kg·m²))</source>
        <translation>energy per m·L² (J/(kg·m²))</translation>
    </message>
    <message>
        <source>temps t (s)</source>
        <translation>time t (s)</translation>
    </message>
    <message>
        <source>énergie totale</source>
        <translation>total energy</translation>
    </message>
    <message>
        <source>énergie cinétique</source>
        <translation>kinetic energy</translation>
    </message>
    <message>
        <source>énergie potentielle</source>
        <translation>potential energy</translation>
    </message>
    <message>
        <source>enveloppe aux petits angles</source>
        <translation>small-angle envelope</translation>
    </message>
</context>
<context>
    <name>kestrova::SpeedStatus</name>
    <message>
        <source>%1 — temps simulé : %2 s</source>
        <translation>%1 — simulated time: %2 s</translation>
    </message>
</context>
<context>
    <name>kestrova::WebLink</name>
    <message>
        <source>Vous n&apos;êtes pas actuellement connecté à Internet.</source>
        <translation>You are not connected to the Internet at present.</translation>
    </message>
</context>
<context>
    <name>kestrova::frmFoucault</name>
    <message>
        <source>Pendule pesant</source>
        <translation>Heavy pendulum</translation>
    </message>
    <message>
        <source> lancer l&apos;&amp;animation</source>
        <translation> start &amp;animation</translation>
    </message>
    <message>
        <source>&amp;Longueur du pendule : </source>
        <translation>Pendulum &amp;length: </translation>
    </message>
    <message>
        <source>Trace au sol</source>
        <translation>Trail on the ground</translation>
    </message>
    <message>
        <source>Vue de dessus : les 100 dernières positions de la masse sur le sol, où l&apos;on voit tourner lentement le plan d&apos;oscillation</source>
        <translation>Seen from above: the bob&apos;s last 100 positions on the ground, where the plane of oscillation is seen slowly turning</translation>
    </message>
    <message>
        <source>Vue de côté</source>
        <translation>Side view</translation>
    </message>
    <message>
        <source>Le fil et la masse oscillant sous le point de suspension</source>
        <translation>The string and the bob swinging below the pivot</translation>
    </message>
    <message>
        <source>Lancer l&apos;animation</source>
        <translation>Start animation</translation>
    </message>
    <message>
        <source>Relance le mouvement depuis l&apos;instant zéro, avec une trace vide</source>
        <translation>Starts the motion again from time zero, with an empty trail</translation>
    </message>
    <message>
        <source>Longueur du pendule, en mètres</source>
        <translation>Pendulum length, in metres</translation>
    </message>
    <message>
        <source>Plus de 3 m et au plus 1000 m ; la touche Entrée lance l&apos;animation</source>
        <translation>More than 3 m and at most 1000 m; the Enter key starts the animation</translation>
    </message>
    <message>
        <source>Pourquoi la longueur est refusée</source>
        <translation>Why the length is refused</translation>
    </message>
    <message>
        <source>Trace au sol : les dernières positions de la masse, vues de dessus</source>
        <translation>Trail on the ground: the bob&apos;s last positions, seen from above</translation>
    </message>
    <message>
        <source>Vue de côté : le fil et la masse sous le point de suspension</source>
        <translation>Side view: the string and the bob below the pivot</translation>
    </message>
    <message>
        <source>Longueur du pendule : %1 m</source>
        <translation>Pendulum length: %1 m</translation>
    </message>
    <message>
        <source>Temps écoulé : %1 s</source>
        <translation>Elapsed time: %1 s</translation>
    </message>
    <message>
        <source>Latitude : %1°</source>
        <translation>Latitude: %1°</translation>
    </message>
    <message>
        <source>Jour : %1</source>
        <translation>Day: %1</translation>
    </message>
</context>
<context>
    <name>kestrova::frmPenduleAmorti</name>
    <message>
        <source>Pendule pesant amorti</source>
        <translation>Damped heavy pendulum</translation>
    </message>
    <message>
        <source>Angle (en degrés)</source>
        <translation>Angle (in degrees)</translation>
    </message>
    <message>
        <source>Vitesse (en rad/s)</source>
        <translation>Speed (in rad/s)</translation>
    </message>
    <message>
        <source>Le calcul du mouvement a donné une valeur non finie : l&apos;animation est arrêtée.
Cliquez sur « Position initiale » ou changez un paramètre pour repartir.</source>
        <translation>The computation of the motion gave a non-finite value: the animation is stopped.
Click &quot;Initial position&quot; or change a parameter to start again.</translation>
    </message>
    <message>
        <source>Lancer l&apos;&amp;animation</source>
        <translation>Start &amp;animation</translation>
    </message>
    <message>
        <source>Suspendre l&apos;&amp;animation</source>
        <translation>Pause &amp;animation</translation>
    </message>
    <message>
        <source>Conditions initiales : </source>
        <translation>Initial conditions: </translation>
    </message>
    <message>
        <source>Paramètres oscillations : </source>
        <translation>Oscillation parameters: </translation>
    </message>
    <message>
        <source>&amp;Position initiale</source>
        <translation>Initial &amp;position</translation>
    </message>
    <message>
        <source>Approximation angle &amp;faible </source>
        <translation>Approx. &amp;for small angles </translation>
    </message>
    <message>
        <source>Pour le dernier terme de l&apos;équation , on considère que sinx = x</source>
        <translation>For the last term of the equation, sin x is taken equal to x</translation>
    </message>
    <message>
        <source>Temps (en s)</source>
        <translation>Time (in s)</translation>
    </message>
    <message>
        <source>Réalisation : Kestrova</source>
        <translation>Made by: Kestrova</translation>
    </message>
    <message>
        <source>Angle initial : </source>
        <translation>Initial angle: </translation>
    </message>
    <message>
        <source>Vitesse initiale : </source>
        <translation>Initial speed: </translation>
    </message>
    <message>
        <source>Pulsation propre :</source>
        <translation>Natural pulsation:</translation>
    </message>
    <message>
        <source>Coefficient d&apos;amortissement :</source>
        <translation>Damping coefficient:</translation>
    </message>
    <message>
        <source>Durée de relaxation :</source>
        <translation>Relaxation time:</translation>
    </message>
    <message>
        <source>Pseudo-période :</source>
        <translation>Pseudo-period:</translation>
    </message>
    <message>
        <source>Q : facteur de qualité : </source>
        <translation>Q: quality factor: </translation>
    </message>
    <message>
        <source>Régime</source>
        <translation>Regime</translation>
    </message>
    <message>
        <source>Angle (en degrés) en fonction du temps (en s)</source>
        <translation>Angle (in degrees) against time (in s)</translation>
    </message>
    <message>
        <source>Portrait de phase : vitesse (en rad/s) en fonction de l&apos;angle (en degrés)</source>
        <translation>Phase portrait: speed (in rad/s) against angle (in degrees)</translation>
    </message>
    <message>
        <source>En vert : approximation des petits angles (sin θ ≈ θ)</source>
        <translation>In green: small-angle approximation (sin θ ≈ θ)</translation>
    </message>
</context>
<context>
    <name>kestrova::frmPenduleForce</name>
    <message>
        <source>Lancer l&apos;&amp;animation</source>
        <translation>Start &amp;animation</translation>
    </message>
    <message>
        <source>Suspendre l&apos;&amp;animation</source>
        <translation>Pause &amp;animation</translation>
    </message>
    <message>
        <source>Pendule forcé</source>
        <translation>Driven pendulum</translation>
    </message>
    <message>
        <source>&amp;Cas classiques :</source>
        <translation>&amp;Classic cases:</translation>
    </message>
    <message>
        <source>Position &amp;initiale</source>
        <translation>&amp;Initial position</translation>
    </message>
    <message>
        <source>&amp;Résonance et chaos…</source>
        <translation>&amp;Resonance and chaos…</translation>
    </message>
    <message>
        <source>Pendule</source>
        <translation>Pendulum</translation>
    </message>
    <message>
        <source>Le pendule et, en bleu autour de l&apos;axe, le couple de l&apos;excitation</source>
        <translation>The pendulum and, in blue around the pivot, the driving torque</translation>
    </message>
    <message>
        <source>Angle en fonction du temps</source>
        <translation>Angle against time</translation>
    </message>
    <message>
        <source>Portrait de phase</source>
        <translation>Phase portrait</translation>
    </message>
    <message>
        <source>(choisir)</source>
        <translation>(choose)</translation>
    </message>
    <message>
        <source>Temps : %1 s</source>
        <translation>Time: %1 s</translation>
    </message>
    <message>
        <source>Période de l&apos;excitation : %1 s</source>
        <translation>Driving period: %1 s</translation>
    </message>
    <message>
        <source>En régime permanent :</source>
        <translation>In the steady state:</translation>
    </message>
    <message>
        <source>Amplitude : %1°</source>
        <translation>Amplitude: %1°</translation>
    </message>
    <message>
        <source>(petits angles : %1°)</source>
        <translation>(small angles: %1°)</translation>
    </message>
    <message>
        <source>Retard de phase : %1°</source>
        <translation>Phase lag: %1°</translation>
    </message>
    <message>
        <source>Pas de régime permanent périodique : mesure sur la dernière période.</source>
        <translation>No periodic steady state: measured over the last period.</translation>
    </message>
    <message>
        <source>Le pendule et le couple de l&apos;excitation</source>
        <translation>The pendulum and the driving torque</translation>
    </message>
    <message>
        <source>Angle initial θ₀ :</source>
        <translation>Initial angle θ₀:</translation>
    </message>
    <message>
        <source>Vitesse initiale θ&apos;₀ :</source>
        <translation>Initial speed θ&apos;₀:</translation>
    </message>
    <message>
        <source>Pulsation propre ω₀ :</source>
        <translation>Natural pulsation ω₀:</translation>
    </message>
    <message>
        <source>Amortissement λ :</source>
        <translation>Damping λ:</translation>
    </message>
    <message>
        <source>Force de l&apos;excitation γ :</source>
        <translation>Driving strength γ:</translation>
    </message>
    <message>
        <source>Pulsation de l&apos;excitation Ω :</source>
        <translation>Driving pulsation Ω:</translation>
    </message>
    <message>
        <source>Périodique (γ = 0,9)</source>
        <translation>Periodic (γ = 0.9)</translation>
    </message>
    <message>
        <source>Doublement de période (γ = 1,07)</source>
        <translation>Period doubling (γ = 1.07)</translation>
    </message>
    <message>
        <source>Chaotique (γ = 1,5 ; λ = 0,125)</source>
        <translation>Chaotic (γ = 1.5; λ = 0.125)</translation>
    </message>
</context>
</TS>
